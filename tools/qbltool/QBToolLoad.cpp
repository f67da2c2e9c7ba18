#include "QBToolLoad.h"

#include "model/QBFileCheck.h"
#include "model/QBLogLoader.h"
#include "model/QBMessageAdder.h"

#include <QCoreApplication>
#include <QDir>

namespace qbltool {

TToolLoad LoadForTool(const QString& path, TQuillboxMessageSet& set, const TToolIO& io) {
  TQBMessageAdder adder(set);
  const TQBLoadResult result = LoadLogFile(path, adder);
  switch (result.Status) {
    case TQBLoadResult::TStatus::Loaded: return {ExitOk};
    case TQBLoadResult::TStatus::OpenFailed:
      io.Error(QStringLiteral("cannot open '%1': %2").arg(path, result.Error));
      return {ExitUsage};
    case TQBLoadResult::TStatus::InvalidRecord:
      io.Error(QStringLiteral("'%1' is not a valid log file: invalid record at byte offset %2 (%3); "
                              "%4 messages were read before it")
                   .arg(path)
                   .arg(result.InvalidOffset)
                   .arg(result.Error)
                   .arg(result.MessagesAdded));
      return {ExitInvalidRecord};
    case TQBLoadResult::TStatus::Stopped: break;  // only a window asks a load to stop
  }
  return {ExitUsage};
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
