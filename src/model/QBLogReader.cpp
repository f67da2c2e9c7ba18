#include "model/QBLogReader.h"

#include "model/QBFileCheck.h"
#include "model/QBLogFormat.h"
#include "model/QBTimeStamp.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include <unistd.h>

namespace {

constexpr size_t kInitialBuffer = size_t(1) << 20;
// Bodies above this size are streamed (see StreamBody) instead of being held whole in the buffer.
constexpr size_t kStreamedBody = size_t(4) << 20;

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

// Readers come and go (a follow opens one for every poll): each thread keeps the last reader's buffer
// for the next one, instead of allocating and clearing a fresh megabyte each time.
std::vector<char>& SpareBuffer() {
  thread_local std::vector<char> spare;
  return spare;
}

}  // namespace

TQBLogReader::~TQBLogReader() {
  // A buffer grown for a large body is let go: the spare stays the usual size.
  if (FBuffer.size() == kInitialBuffer) SpareBuffer().swap(FBuffer);
}

bool TQBLogReader::Open(const QString& path, int64_t offset) {
  // Unbuffered: this class keeps its own large buffer.
  if (!OpenInputFile(FFile, path, &FErrorString, QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
  if (offset > 0 && !FFile.seek(offset)) {
    FErrorString = FFile.errorString();
    FFile.close();
    return false;
  }
  FFileSize = FFile.size();
  FFileId = qbfile::IdOfHandle(FFile.handle());
  if (FBuffer.size() < FInitialBuffer) {
    // Only a reader of the usual size takes the kept buffer: a merge's readers each hold a share.
    if (FInitialBuffer == kInitialBuffer) FBuffer.swap(SpareBuffer());
    FBuffer.resize(FInitialBuffer);
  }
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

TQBLogReader::TResult TQBLogReader::Reject(const char* reason) { return Reject(QString::fromLatin1(reason)); }

TQBLogReader::TResult TQBLogReader::Reject(QString reason) {
  FInvalidReason = std::move(reason);
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
  if (bodySize > kStreamedBody) return StreamBody(msg, textLength, detailsLength, textEncoding);
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

// A large body is read through the buffer in blocks: only the bytes before each text's first NUL are
// kept (in FBody), and whatever follows them up to the claimed length is skipped, by a seek where the
// buffer does not hold it. The texts come out as the zero-filled buffer would give them.
void TQBLogReader::StreamBody(TQBRawMessage& msg, int32_t textLength, int32_t detailsLength,
                             TQBTextEncoding textEncoding) {
  FBody.clear();
  const int64_t bodyEnd = Position() + int64_t(textLength) + detailsLength + 1;
  const bool textComplete = KeepUntilNul(size_t(textLength));
  const size_t textSize = FBody.size();
  // A text cut short by the end of the file leaves no details, as above.
  if (textComplete) KeepUntilNul(size_t(detailsLength));
  Skip(1);
  // Skip stops at the end of the file, so falling short of the claimed end means the body was cut.
  FBodyCut = Position() < bodyEnd;
  const char* body = FBody.data();
  msg.MsgText = {textSize ? body : nullptr, int64_t(textSize), textEncoding};
  const size_t detailsSize = FBody.size() - textSize;
  msg.Details = {detailsSize ? body + textSize : nullptr, int64_t(detailsSize), TQBTextEncoding::Utf8};
}

bool TQBLogReader::KeepUntilNul(size_t length) {
  size_t left = length;
  while (left > 0) {
    const size_t available = std::min(Ensure(std::min(left, kInitialBuffer)), left);
    if (available == 0) return false;  // the file ended inside the claimed bytes
    const void* nul = std::memchr(Data(), 0, available);
    const size_t kept = nul ? size_t(static_cast<const char*>(nul) - Data()) : available;
    FBody.insert(FBody.end(), Data(), Data() + kept);
    Consume(available);
    left -= available;
    if (nul) break;
  }
  Skip(left);
  return true;
}

void TQBLogReader::Skip(size_t n) {
  const size_t buffered = FEnd - FBegin;
  if (n <= buffered) return Consume(n);
  // Past the buffer: drop it and move the file position, never beyond the end of the file.
  const int64_t target = std::min<int64_t>(Position() + int64_t(n), std::max(FFileSize, Position()));
  FBufferOffset = target;
  FBegin = FEnd = 0;
  if (!FFile.seek(target)) FEof = true;
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
  // Whole against the size the file had when this reader opened it: a later reader sees more. Asking
  // the buffer for the body instead would hold a huge claimed body in memory.
  if (const int64_t body = int64_t(textLength) + detailsLength + 1; FCompleteOnly && Position() + body > FFileSize) {
    if (body > FMaxWaitedBody)
      return Reject(QStringLiteral("the record claims a body of %1 bytes, more than the %2 bytes a record may "
                                   "have while it is being written")
                        .arg(body)
                        .arg(FMaxWaitedBody));
    return LeaveIncomplete();
  }
  ReadBody(msg, textLength, detailsLength, textEncoding);
  return TResult::Record;
}
