#pragma once
// Which log each message of a merged store came from, kept beside the store rather than in its records:
// a store that holds one log has an empty table, and its records are stored exactly as before.
//
// Logs are numbered from 0 in the order they were given; a record the table does not know (one added
// after the merge, such as a note) has no source log.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>

class TQBSourceLogs {
public:
  static constexpr int NoLog = -1;
  // The most logs one store can tell apart.
  static constexpr int MaxLogs = 0xFFFE;

  // Adds a log by its file path; returns its index.
  int AddLog(const QString& path);
  // Records that recNo (1 and up) came from log; records skipped before it have no source log.
  void Assign(int recNo, int log);
  // The source log of recNo, NoLog when the table does not know it.
  int LogOf(int recNo) const;

  int LogCount() const { return int(FPaths.size()); }
  // More than one log: messages of different logs must be told apart.
  bool Merged() const { return FPaths.size() > 1; }
  const QString& LogPath(int log) const { return FPaths[size_t(log)]; }
  // The file's base name ("server" for "/var/log/server.qbl"); empty for NoLog.
  QString LogName(int log) const;
  void Clear();

private:
  static constexpr uint16_t kNone = 0xFFFF;
  QStringList FPaths;
  // The base names, worked out once: a column or an export asks for them message after message.
  QStringList FNames;
  // record number - 1 -> log, kNone when unknown. A deque grows in blocks: a vector's doubling would
  // hold the old and the new table at once, half again the table's size on top of the store.
  std::deque<uint16_t> FLogs;
};
