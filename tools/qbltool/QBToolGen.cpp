// qbltool gen: writes a generated log.

#include "QBLogGenerator.h"
#include "QBToolCommands.h"
#include "QBToolLoad.h"

namespace qbltool {
namespace {
constexpr const char* kUsage = "gen [--count N] [--seed S] OUT.qbl";
}

int RunGen(const QStringList& args, const TToolIO& io) {
  TQBGenOptions options;
  QString out;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    bool ok = true;
    if ((arg == QLatin1String("--count") || arg == QLatin1String("--seed")) && i + 1 < args.size()) {
      const QString& value = args[++i];
      if (arg == QLatin1String("--count")) options.Count = value.toLongLong(&ok);
      else options.Seed = value.toULongLong(&ok);
      if (!ok || options.Count < 0) {
        io.Error(QStringLiteral("'%1' is not a valid value for %2").arg(value, arg));
        return UsageError(io, kUsage);
      }
    } else if (!arg.startsWith(QLatin1String("--")) && out.isEmpty()) {
      out = arg;
    } else {
      return UsageError(io, kUsage);
    }
  }
  if (out.isEmpty()) return UsageError(io, kUsage);
  if (!CheckOutputTarget(out, io)) return ExitUsage;
  QString error;
  if (!GenerateLog(out, options, &error)) {
    io.Error(QStringLiteral("cannot write '%1': %2").arg(out, error));
    return ExitUsage;
  }
  return ExitOk;
}

}  // namespace qbltool
