// qbltool merge OUT.qbl IN.qbl...: merges logs by time into one log.

#include "QBToolCommands.h"
#include "QBToolLoad.h"
#include "QBToolView.h"

#include "model/QBFileCheck.h"

namespace qbltool {

namespace {
constexpr char kUsage[] = "merge OUT.qbl IN1.qbl [IN2.qbl ...]";

// False, after the error line, when out may not be written: a device node or a pipe, or one of the
// logs being merged under any name (it would be replaced while the merge reads it).
bool CheckMergeTarget(const QString& out, const QStringList& inputs, const TToolIO& io) {
  const TQBOutputCheck check = CheckOutput(out, inputs);
  if (check.Ok()) return true;
  if (check.Verdict == TQBOutputCheck::TVerdict::NotRegular)
    io.Error(QStringLiteral("cannot write '%1': %2").arg(out, check.Reason));
  else
    io.Error(QStringLiteral("cannot write '%1': it is '%2', one of the logs being merged").arg(out, check.Input));
  return false;
}

}  // namespace

int RunMerge(const QStringList& args, const TToolIO& io) {
  for (const QString& a : args)
    if (a.startsWith(QLatin1String("--"))) {
      io.Error(QStringLiteral("unknown option '%1'").arg(a));
      return UsageError(io, kUsage);
    }
  if (args.size() < 2) return UsageError(io, kUsage);
  const QString out = args.first();
  const QStringList inputs = args.mid(1);
  if (!CheckMergeTarget(out, inputs, io)) return ExitUsage;
  TToolView view{TQBFilterCriteria{}};
  const int merged = view.Merge(inputs, io);
  if (merged == ExitUsage) return merged;
  if (SaveToolView(view, out, io) != ExitOk) return ExitUsage;
  return merged;
}

}  // namespace qbltool
