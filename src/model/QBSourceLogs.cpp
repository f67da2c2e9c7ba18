#include "model/QBSourceLogs.h"

#include <QFileInfo>

int TQBSourceLogs::AddLog(const QString& path) {
  FPaths << path;
  FNames << QFileInfo(path).completeBaseName();
  return int(FPaths.size()) - 1;
}

void TQBSourceLogs::Assign(int recNo, int log) {
  if (recNo < 1 || log < 0 || log > MaxLogs) return;
  const size_t index = size_t(recNo) - 1;
  if (index >= FLogs.size()) FLogs.resize(index + 1, kNone);
  FLogs[index] = uint16_t(log);
}

int TQBSourceLogs::LogOf(int recNo) const {
  if (recNo < 1 || size_t(recNo) > FLogs.size()) return NoLog;
  const uint16_t log = FLogs[size_t(recNo) - 1];
  return log == kNone ? NoLog : int(log);
}

QString TQBSourceLogs::LogName(int log) const {
  if (log < 0 || log >= LogCount()) return {};
  return FNames[log];
}

void TQBSourceLogs::Clear() {
  FPaths.clear();
  FNames.clear();
  FLogs = {};
}
