#pragma once
// Helpers for tests: temporary files and hand-made .qbl bytes.

#include "model/QBRawMessage.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

namespace qbtest {

// A valid date (1 January 2024) and time for records that do not care.
inline constexpr int32_t kDay = 738886;
inline constexpr int32_t kNoon = 12 * 3600 * 1000;

// A message with UTF-8 texts viewing the given bytes, which must outlive the message: pass literals or
// named arrays, never temporaries.
TQBRawMessage Message(int32_t type, QByteArrayView text, QByteArrayView details = {});

// One UTF-8 marked record, as the writer makes it.
QByteArray MarkedRecord(const TQBRawMessage& msg);

// A legacy record built byte by byte (the code is the message type).
struct TLegacyFields {
  int32_t Type = 0;
  int32_t Time = kNoon;
  int32_t Date = kDay;
  int32_t Bias = 0;
  uint32_t ProcessID = 0;
  uint32_t ThreadID = 0;
  QByteArray Computer, App, Category, TypeName;
  int32_t CategoryColor = 0;
  QByteArray Text, Details;
};
QByteArray LegacyRecord(const TLegacyFields& f);

// A temporary folder that removes itself; Write puts bytes into a file there and returns its path.
class TTempFiles {
public:
  QString Write(const QString& name, const QByteArray& bytes);
  QString Path(const QString& name) const { return FDir.filePath(name); }

private:
  QTemporaryDir FDir;
};

}  // namespace qbtest
