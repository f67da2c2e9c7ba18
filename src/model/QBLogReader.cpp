#include "model/QBLogReader.h"

#include "model/QBLogFormat.h"
#include "model/QBTimeStamp.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include <unistd.h>

namespace {

constexpr size_t kInitialBuffer = size_t(1) << 20;

// A fixed-width text field: its bytes up to the first NUL or the full width.
TQBTextBytes FieldText(const char* header, qblog::TField field, TQBTextEncoding encoding) {
  const char* p = header + field.Offset;
  const void* nul = std::memchr(p, 0, size_t(field.Width));
  const int64_t size = nul ? static_cast<const char*>(nul) - p : field.Width;
  return {p, size, encoding};
}

// A body text: at most `available` bytes from p, ending early at a NUL.
TQBTextBytes BodyText(const char* p, size_t available, TQBTextEncoding encoding) {
  const void* nul = std::memchr(p, 0, available);
  const size_t size = nul ? size_t(static_cast<const char*>(nul) - p) : available;
  return {size ? p : nullptr, int64_t(size), encoding};
}

}  // namespace

bool TQBLogReader::Open(const QString& path, int64_t offset) {
  FFile.setFileName(path);
  // Unbuffered: this class keeps its own large buffer.
  if (!FFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    FErrorString = FFile.errorString();
    return false;
  }
  if (offset > 0 && !FFile.seek(offset)) {
    FErrorString = FFile.errorString();
    FFile.close();
    return false;
  }
  FFileSize = FFile.size();
  FFileId = qbfile::IdOfHandle(FFile.handle());
  FBuffer.resize(kInitialBuffer);
  FBegin = FEnd = 0;
  FBufferOffset = offset;
  FEof = false;
  return true;
}

QByteArray TQBLogReader::FirstBytes(int size) const {
  QByteArray bytes(size, Qt::Uninitialized);
  const ssize_t got = ::pread(FFile.handle(), bytes.data(), size_t(size), 0);
  bytes.resize(got > 0 ? qsizetype(got) : 0);
  return bytes;
}

// Makes at least `wanted` unread bytes contiguous in the buffer when the file has them; returns how
// many unread bytes there are. The buffer grows only as data actually arrives, so a header that claims
// a huge body cannot make it allocate more than about twice what the file holds.
size_t TQBLogReader::Ensure(size_t wanted) {
  while (FEnd - FBegin < wanted && !FEof) {
    if (FBegin > 0) {
      std::memmove(FBuffer.data(), FBuffer.data() + FBegin, FEnd - FBegin);
      FBufferOffset += int64_t(FBegin);
      FEnd -= FBegin;
      FBegin = 0;
    }
    if (FEnd == FBuffer.size()) FBuffer.resize(FBuffer.size() * 2);
    const qint64 got = FFile.read(FBuffer.data() + FEnd, qint64(FBuffer.size() - FEnd));
    if (got <= 0) FEof = true;
    else FEnd += size_t(got);
  }
  return FEnd - FBegin;
}

TQBLogReader::TResult TQBLogReader::LeaveIncomplete() {
  // Nothing more is read through this reader: the caller opens the file again at FRecordOffset.
  FEof = true;
  FBegin = FEnd;
  return TResult::Incomplete;
}

TQBLogReader::TResult TQBLogReader::Reject(const char* reason) {
  FInvalidReason = QString::fromLatin1(reason);
  return TResult::Invalid;
}

bool TQBLogReader::CheckHeader(int32_t time, int32_t date, int32_t bias, int32_t textLength,
                               int32_t detailsLength, int64_t allowance) {
  if (date < qbtime::FirstValidDay || date > qbtime::LastValidDay || time < 0 || time > qbtime::MsPerDay)
    return Reject("the time stamp is out of range"), false;
  if (bias < -qbtime::MaxBias || bias > qbtime::MaxBias) return Reject("the time bias is out of range"), false;
  if (textLength < 0) return Reject("the text length is negative"), false;
  if (detailsLength < 0) return Reject("the details length is negative"), false;
  if (int64_t(textLength) + detailsLength + allowance > std::numeric_limits<int32_t>::max())
    return Reject("the record length is too large"), false;
  return true;
}

void TQBLogReader::ReadBody(TQBRawMessage& msg, int32_t textLength, int32_t detailsLength,
                           TQBTextEncoding textEncoding) {
  const size_t bodySize = size_t(textLength) + size_t(detailsLength) + 1;
  const size_t present = std::min(Ensure(bodySize), bodySize);
  FBodyCut = present < bodySize;
  const char* body = Data();
  const size_t textPresent = std::min(size_t(textLength), present);
  const size_t detailsPresent = std::min(size_t(detailsLength), present - textPresent);
  msg.MsgText = BodyText(body, textPresent, textEncoding);
  // Details are UTF-8 in every record kind.
  // When the text is cut short by the end of the file, no details bytes are present either.
  msg.Details = BodyText(body + textPresent, detailsPresent, TQBTextEncoding::Utf8);
  Consume(present);
}

void TQBLogReader::ParseMarked(const char* h, TQBRawMessage& msg, TQBTextEncoding nameEncoding) {
  using namespace qblog::marked;
  msg.MsgType = qblog::ReadInt32(h + MsgType);
  msg.ProcessID = uint32_t(qblog::ReadInt32(h + ProcessID));
  msg.ThreadName = FieldText(h, ThreadName, nameEncoding);
  msg.ComputerName = FieldText(h, ComputerName, nameEncoding);
  msg.AppName = FieldText(h, AppName, nameEncoding);
  msg.Category = FieldText(h, Category, nameEncoding);
  msg.CategoryColor = qblog::ReadInt32(h + CategoryColor);
  msg.CategoryFontColor = qblog::ReadInt32(h + CategoryFontColor);
  msg.TypeName = FieldText(h, TypeName, nameEncoding);
}

void TQBLogReader::ParseLegacy(const char* h, uint32_t code, TQBRawMessage& msg) {
  using namespace qblog::legacy;
  constexpr auto ansi = TQBTextEncoding::Ansi;
  msg.MsgType = int32_t(code);
  msg.ProcessID = uint32_t(qblog::ReadInt32(h + ProcessID));
  const auto threadId = uint32_t(qblog::ReadInt32(h + ThreadID));
  const auto end = std::to_chars(FThreadDigits, FThreadDigits + sizeof FThreadDigits, threadId).ptr;
  msg.ThreadName = {FThreadDigits, end - FThreadDigits, TQBTextEncoding::Utf8};
  msg.ComputerName = FieldText(h, ComputerName, ansi);
  msg.AppName = FieldText(h, AppName, ansi);
  msg.Category = FieldText(h, Category, ansi);
  msg.CategoryColor = qblog::ReadInt32(h + CategoryColor);
  msg.CategoryFontColor = clWindowText;
  msg.TypeName = FieldText(h, TypeName, ansi);
}

TQBLogReader::TResult TQBLogReader::Next(TQBRawMessage& msg) {
  // A tail of 1 to 3 bytes cannot hold a record code: the file ends there.
  FRecordOffset = Position();
  if (const size_t have = Ensure(qblog::CodeSize); have < size_t(qblog::CodeSize))
    return FCompleteOnly && have > 0 ? TResult::Incomplete : TResult::End;
  const auto code = uint32_t(qblog::ReadInt32(Data()));
  Consume(qblog::CodeSize);

  const bool marked = code == qblog::MarkedUtf8Code || code == qblog::MarkedAnsiCode;
  FKind = code == qblog::MarkedUtf8Code ? TRecordKind::MarkedUtf8
          : marked                      ? TRecordKind::MarkedAnsi
                                        : TRecordKind::Legacy;
  const size_t headerSize = marked ? qblog::marked::HeaderSize : qblog::legacy::HeaderSize;
  if (Ensure(headerSize) < headerSize)
    return FCompleteOnly ? LeaveIncomplete() : Reject("the file ends inside a record header");
  // Names point into the header, and reading the body may move the buffer: keep the header apart.
  std::memcpy(FHeader, Data(), headerSize);
  Consume(headerSize);
  const char* h = FHeader;

  const TQBTextEncoding textEncoding =
      FKind == TRecordKind::MarkedUtf8 ? TQBTextEncoding::Utf8 : TQBTextEncoding::Ansi;
  int32_t textLength, detailsLength;
  if (marked) {
    using namespace qblog::marked;
    msg.Time = qblog::ReadInt32(h + Time);
    msg.Date = qblog::ReadInt32(h + Date);
    msg.TimeBias = qblog::ReadInt32(h + TimeBias);
    textLength = qblog::ReadInt32(h + TextLength);
    detailsLength = qblog::ReadInt32(h + DetailsLength);
    if (!CheckHeader(msg.Time, msg.Date, msg.TimeBias, textLength, detailsLength, LengthAllowance))
      return TResult::Invalid;
    ParseMarked(h, msg, textEncoding);
  } else {
    using namespace qblog::legacy;
    msg.Time = qblog::ReadInt32(h + Time);
    msg.Date = qblog::ReadInt32(h + Date);
    msg.TimeBias = qblog::ReadInt32(h + TimeBias);
    textLength = qblog::ReadInt32(h + TextLength);
    detailsLength = qblog::ReadInt32(h + DetailsLength);
    if (!CheckHeader(msg.Time, msg.Date, msg.TimeBias, textLength, detailsLength, LengthAllowance))
      return TResult::Invalid;
    ParseLegacy(h, code, msg);
  }
  if (FCompleteOnly) {
    const size_t bodySize = size_t(textLength) + size_t(detailsLength) + 1;
    if (Ensure(bodySize) < bodySize) return LeaveIncomplete();
  }
  ReadBody(msg, textLength, detailsLength, textEncoding);
  return TResult::Record;
}
