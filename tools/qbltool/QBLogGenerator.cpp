#include "QBLogGenerator.h"

#include "QBGenContent.h"

#include "model/QBLogWriter.h"
#include "model/QBMessageTypes.h"
#include "model/QBTimeStamp.h"

#include <QFile>

namespace {

constexpr qsizetype kFlushBytes = qsizetype(4) << 20;

bool Flush(QFile& file, QByteArray& buffer, QString* error) {
  if (!buffer.isEmpty() && file.write(buffer) != buffer.size()) {
    if (error) *error = file.errorString();
    return false;
  }
  buffer.resize(0);
  return true;
}

}  // namespace

bool GenerateLog(const QString& path, const TQBGenOptions& options, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    if (error) *error = file.errorString();
    return false;
  }
  qbgen::TContentGenerator content(options.Seed, options.Shape);
  QByteArray buffer;
  buffer.reserve(kFlushBytes + (qsizetype(1) << 16));
  TQBRawMessage msg;
  for (int64_t i = 0; i < options.Count; ++i) {
    content.Next(msg);
    AppendLogRecord(buffer, msg);
    if (buffer.size() >= kFlushBytes && !Flush(file, buffer, error)) return false;
  }
  if (!Flush(file, buffer, error)) return false;
  if (!file.flush()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}
