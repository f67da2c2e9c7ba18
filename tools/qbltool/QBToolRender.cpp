// qbltool render FILE.qbl OUT.png [--size WxH] [--quick-filter TEXT] [--exclude TEXT]: the main window
// with the log loaded (and the quick filter's text and exclusion applied), drawn offscreen.
// qbltool itself stays free of widgets; the window is drawn by qbrender, the viewer's own window code
// built as a separate program next to this one. The log is checked here first: a log the viewer
// would report as invalid opens a dialog that nobody could answer offscreen.

#include "QBToolCommands.h"
#include "QBToolLoad.h"

#include <QFileInfo>
#include <QProcess>

namespace qbltool {
namespace {

constexpr char kUsage[] = "render FILE.qbl OUT.png [--size WxH] [--quick-filter TEXT] [--exclude TEXT]";

// After the two files, options with a value each, every one at most once; qbrender checks the values.
bool ValidOptions(const QStringList& args) {
  if (args.size() < 2 || args.size() % 2 != 0) return false;
  QStringList seen;
  for (qsizetype i = 2; i < args.size(); i += 2) {
    static const QStringList known{QStringLiteral("--size"), QStringLiteral("--quick-filter"), QStringLiteral("--exclude")};
    if (!known.contains(args[i]) || seen.contains(args[i])) return false;
    seen << args[i];
  }
  return true;
}
constexpr int kRenderTimeoutMs = 10 * 60 * 1000;

}  // namespace

int RunRender(const QStringList& args, const TToolIO& io) {
  if (!ValidOptions(args)) return UsageError(io, kUsage);
  if (!CheckOutputTarget(args[1], io, args[0], QStringLiteral("it is the log being drawn"))) return ExitUsage;
  {
    TQuillboxMessageSet set;
    const TToolLoad load = LoadForTool(args[0], set, io);
    if (load.ExitCode != ExitOk) return load.ExitCode;
  }
  const QString renderer = SiblingProgram(QStringLiteral("qbrender"));
  if (!QFileInfo(renderer).isExecutable()) {
    io.Error(QStringLiteral("cannot render '%1': the window renderer '%2' is missing").arg(args[0], renderer));
    return ExitUsage;
  }
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(renderer, args);
  if (!process.waitForFinished(kRenderTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    io.Error(QStringLiteral("cannot render '%1': the window renderer did not finish").arg(args[0]));
    return ExitUsage;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    io.Error(QStringLiteral("cannot write '%1': the window renderer failed").arg(args[1]));
    return ExitUsage;
  }
  return ExitOk;
}

}  // namespace qbltool
