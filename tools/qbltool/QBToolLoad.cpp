#include "QBToolLoad.h"

#include "model/QBFileCheck.h"
#include "model/QBLogLoader.h"
#include "model/QBLogMerge.h"
#include "model/QBMessageAdder.h"

#include <QCoreApplication>
#include <QDir>

namespace qbltool {
namespace {

QString InvalidLogLine(const QString& path, int64_t offset, const QString& reason, int messagesRead) {
  return QStringLiteral("'%1' is not a valid log file: invalid record at byte offset %2 (%3); "
                        "%4 messages were read before it")
      .arg(path)
      .arg(offset)
      .arg(reason)
      .arg(messagesRead);
}

}  // namespace

TToolLoad LoadForTool(const QString& path, TQuillboxMessageSet& set, const TToolIO& io) {
  TQBMessageAdder adder(set);
  const TQBLoadResult result = LoadLogFile(path, adder);
  switch (result.Status) {
    case TQBLoadResult::TStatus::Loaded: return {ExitOk};
    case TQBLoadResult::TStatus::OpenFailed:
      io.Error(QStringLiteral("cannot open '%1': %2").arg(path, result.Error));
      return {ExitUsage};
    case TQBLoadResult::TStatus::InvalidRecord:
      io.Error(InvalidLogLine(path, result.InvalidOffset, result.Error, result.MessagesAdded));
      return {ExitInvalidRecord};
    case TQBLoadResult::TStatus::Stopped: break;  // only a window asks a load to stop
  }
  return {ExitUsage};
}

TToolLoad MergeForTool(const QStringList& paths, TQuillboxMessageSet& set, TQBSourceLogs& sources,
                       const TToolIO& io) {
  TQBMessageAdder adder(set);
  const TQBMergeResult result = MergeLogFiles(paths, adder, &sources);
  switch (result.Status) {
    case TQBMergeResult::TStatus::Merged: break;
    case TQBMergeResult::TStatus::OpenFailed:
      io.Error(QStringLiteral("cannot open '%1': %2").arg(paths[result.FailedLog], result.Error));
      return {ExitUsage};
    case TQBMergeResult::TStatus::TooManyLogs:
      io.Error(QStringLiteral("cannot merge %1 logs: at most %2 can be merged").arg(paths.size()).arg(TQBSourceLogs::MaxLogs));
      return {ExitUsage};
    case TQBMergeResult::TStatus::Stopped: return {ExitUsage};  // only a window asks a merge to stop
  }
  for (const TQBMergeResult::TInvalid& invalid : result.Invalid)
    io.Error(InvalidLogLine(paths[invalid.Log], invalid.Offset, invalid.Reason, invalid.MessagesRead));
  return {result.Invalid.empty() ? ExitOk : ExitInvalidRecord};
}

QString SiblingProgram(const QString& name) {
  const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  return QDir(dir).filePath(name);
}

bool CheckOutputTarget(const QString& target, const TToolIO& io, const QString& input, const QString& isInput) {
  const TQBOutputCheck check = CheckOutput(target, input.isEmpty() ? QStringList() : QStringList{input});
  if (check.Ok()) return true;
  const bool notRegular = check.Verdict == TQBOutputCheck::TVerdict::NotRegular;
  io.Error(QStringLiteral("cannot write '%1': %2").arg(target, notRegular ? check.Reason : isInput));
  return false;
}

int UsageError(const TToolIO& io, const char* usage) {
  std::fprintf(io.Err, "usage: qbltool %s\n", usage);
  return ExitUsage;
}

}  // namespace qbltool
