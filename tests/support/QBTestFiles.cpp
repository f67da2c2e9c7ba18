#include "support/QBTestFiles.h"

#include "model/QBLogFormat.h"
#include "model/QBLogWriter.h"

#include <QFile>

#include <cstring>

namespace qbtest {

TQBRawMessage Message(int32_t type, QByteArrayView text, QByteArrayView details) {
  TQBRawMessage m;
  m.MsgType = type;
  m.Time = kNoon;
  m.Date = kDay;
  m.MsgText = Utf8Bytes(text);
  m.Details = Utf8Bytes(details);
  return m;
}

QByteArray MarkedRecord(const TQBRawMessage& msg) {
  QByteArray out;
  AppendLogRecord(out, msg);
  return out;
}

QByteArray LegacyRecord(const TLegacyFields& f) {
  using namespace qblog::legacy;
  QByteArray out(qblog::CodeSize + HeaderSize, '\0');
  qblog::WriteInt32(out.data(), f.Type);
  char* h = out.data() + qblog::CodeSize;
  qblog::WriteInt32(h + Time, f.Time);
  qblog::WriteInt32(h + Date, f.Date);
  qblog::WriteInt32(h + TimeBias, f.Bias);
  qblog::WriteInt32(h + TextLength, int32_t(f.Text.size()));
  qblog::WriteInt32(h + DetailsLength, int32_t(f.Details.size()));
  qblog::WriteInt32(h + ProcessID, int32_t(f.ProcessID));
  qblog::WriteInt32(h + ThreadID, int32_t(f.ThreadID));
  auto put = [h](int offset, int width, const QByteArray& s) {
    std::memcpy(h + offset, s.constData(), size_t(std::min<qsizetype>(s.size(), width)));
  };
  put(70, 16, f.Computer);
  put(86, 41, f.App);
  put(127, 41, f.Category);
  qblog::WriteInt32(h + CategoryColor, f.CategoryColor);
  put(172, 41, f.TypeName);
  out += f.Text + f.Details + QByteArray(1, '\0');
  return out;
}

QString TTempFiles::Write(const QString& name, const QByteArray& bytes) {
  const QString path = FDir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

}  // namespace qbtest
