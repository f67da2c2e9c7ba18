// qbltool gen: writes a generated log.

#include "QBLogGenerator.h"
#include "QBToolCommands.h"
#include "QBToolLoad.h"

namespace qbltool {
namespace {

constexpr const char* kUsage =
    "gen [--count N] [--seed S] [--apps N] [--processes N] [--threads N] [--categories N] OUT.qbl";

// The options that set how many distinct names of a kind the log has.
struct TShapeOption {
  const char* Name;
  int qbgen::TGenShape::*Field;
};
constexpr TShapeOption kShapeOptions[] = {
    {"--apps", &qbgen::TGenShape::Apps},
    {"--processes", &qbgen::TGenShape::Processes},
    {"--threads", &qbgen::TGenShape::Threads},
    {"--categories", &qbgen::TGenShape::Categories},
};

// Sets the option named arg from value; false when arg is no option of gen or value is not valid.
bool SetOption(const QString& arg, const QString& value, TQBGenOptions& options) {
  bool ok = false;
  if (arg == QLatin1String("--count")) {
    options.Count = value.toLongLong(&ok);
    return ok && options.Count >= 0;
  }
  if (arg == QLatin1String("--seed")) {
    options.Seed = value.toULongLong(&ok);
    return ok;
  }
  for (const TShapeOption& o : kShapeOptions)
    if (arg == QLatin1String(o.Name)) {
      const int n = value.toInt(&ok);
      options.Shape.*o.Field = n;
      return ok && n >= 1 && n <= 1000000;
    }
  return false;
}

bool IsOption(const QString& arg) {
  if (arg == QLatin1String("--count") || arg == QLatin1String("--seed")) return true;
  for (const TShapeOption& o : kShapeOptions)
    if (arg == QLatin1String(o.Name)) return true;
  return false;
}

}  // namespace

int RunGen(const QStringList& args, const TToolIO& io) {
  TQBGenOptions options;
  QString out;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (IsOption(arg) && i + 1 < args.size()) {
      const QString& value = args[++i];
      if (!SetOption(arg, value, options)) {
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
