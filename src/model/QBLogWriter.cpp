#include "model/QBLogWriter.h"

#include "model/QBLogFormat.h"
#include "model/QBMessageTypes.h"

#include <quillbox/QuillboxText.h>

#include <QString>

#include <algorithm>
#include <cstring>

namespace {

// Texts are written as UTF-8; anything else is converted first.
QByteArrayView Utf8Of(const TQBTextBytes& text, QByteArray& scratch) {
  if (text.Encoding == TQBTextEncoding::Utf8) return {text.Data, qsizetype(text.Size)};
  scratch = qbtext::DecodeAnsi(text.Data, text.Size).toUtf8();
  return scratch;
}

// Copies at most maxBytes of text into a zero-filled field; cutting on bytes may split a character.
void PutName(char* header, int offset, const TQBTextBytes& text, int maxBytes) {
  QByteArray scratch;
  const QByteArrayView utf8 = Utf8Of(text, scratch);
  const auto size = size_t(std::min<qsizetype>(utf8.size(), maxBytes));
  if (size > 0) std::memcpy(header + offset, utf8.data(), size);
}

}  // namespace

void AppendLogRecord(QByteArray& out, const TQBRawMessage& msg) {
  using namespace qblog::marked;
  QByteArray textScratch, detailsScratch;
  const QByteArrayView text = Utf8Of(msg.MsgText, textScratch);
  const QByteArrayView details = Utf8Of(msg.Details, detailsScratch);

  const qsizetype start = out.size();
  out.resize(start + qblog::CodeSize + HeaderSize + text.size() + details.size() + 1, '\0');
  char* p = out.data() + start;
  qblog::WriteInt32(p, int32_t(qblog::MarkedUtf8Code));
  char* h = p + qblog::CodeSize;
  qblog::WriteInt32(h + MsgType, msg.MsgType);
  qblog::WriteInt32(h + Time, msg.Time);
  qblog::WriteInt32(h + Date, msg.Date);
  qblog::WriteInt32(h + TimeBias, msg.TimeBias);
  qblog::WriteInt32(h + TextLength, int32_t(text.size()));
  qblog::WriteInt32(h + DetailsLength, int32_t(details.size()));
  qblog::WriteInt32(h + ProcessID, int32_t(msg.ProcessID));
  PutName(h, ThreadName.Offset, msg.ThreadName, qblog::MaxThreadNameBytes);
  PutName(h, ComputerName.Offset, msg.ComputerName, qblog::MaxComputerNameBytes);
  PutName(h, AppName.Offset, msg.AppName, qblog::MaxNameBytes);
  PutName(h, Category.Offset, msg.Category, qblog::MaxNameBytes);
  qblog::WriteInt32(h + CategoryColor, msg.CategoryColor);
  qblog::WriteInt32(h + CategoryFontColor, msg.CategoryFontColor);
  PutName(h, TypeName.Offset, msg.TypeName, qblog::MaxNameBytes);
  if (!text.isEmpty()) std::memcpy(h + HeaderSize, text.data(), size_t(text.size()));
  if (!details.isEmpty()) std::memcpy(h + HeaderSize + text.size(), details.data(), size_t(details.size()));
}

bool TQBLogWriter::Write(const TQBRawMessage& msg) {
  if (!qbtypes::IsWritten(msg.MsgType)) return true;
  AppendLogRecord(FBuffer, msg);
  return FBuffer.size() < FlushSize || Finish();
}

bool TQBLogWriter::Finish() {
  const qint64 written = FBuffer.isEmpty() ? 0 : FDevice.write(FBuffer);
  const bool ok = written == FBuffer.size();
  FBuffer.clear();
  return ok;
}
