#pragma once
// Writes messages as UTF-8 marked .qbl records. Records are gathered in a buffer and handed to the
// device in large writes; a failed or short write makes Write or Finish return false.

#include "model/QBRawMessage.h"

#include <QByteArray>
#include <QIODevice>

// Appends the encoded record of msg to out, whatever its type (the log generator writes every type).
void AppendLogRecord(QByteArray& out, const TQBRawMessage& msg);

class TQBLogWriter {
public:
  explicit TQBLogWriter(QIODevice& device) : FDevice(device) {}
  // Encodes msg, except a message of type 40 (application start separator), which a saved log never
  // holds; false when the device refused bytes (the save must stop).
  bool Write(const TQBRawMessage& msg);
  // Hands the remaining buffered bytes to the device.
  bool Finish();

private:
  static constexpr qsizetype FlushSize = qsizetype(1) << 20;
  QIODevice& FDevice;
  QByteArray FBuffer;
};
