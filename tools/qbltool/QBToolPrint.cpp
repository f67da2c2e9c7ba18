// qbltool print --pdf OUT.pdf [--title TEXT] [--font-size N] [--columns LIST] [FILTER | --project FILE.qbp
// --view NAME] IN.qbl: the
// printed report of one filtered view, every row, written as a PDF file. qbltool links no widgets: it
// checks the command line and hands the job to qbprint, a program built beside it that prints with the
// viewer's own report code. qbprint reports load errors the way qbltool does and returns its exit code.

#include "QBToolCommands.h"
#include "QBToolLoad.h"
#include "QBToolView.h"

#include <QFileInfo>
#include <QProcess>

namespace qbltool {

namespace {

constexpr char kUsage[] =
    "print --pdf OUT.pdf [--title TEXT] [--font-size N] [--columns LIST] [[--app TEXT] [--category TEXT] [--pid N] "
    "[--thread TEXT] [--computer TEXT] [--text SUBSTRING] [--types LIST] | --project FILE.qbp --view NAME] IN.qbl";
constexpr int kPrintTimeoutMs = 60 * 60 * 1000;

}  // namespace

bool ParsePrintOptions(const QStringList& args, TViewOptions& options, const TToolIO& io) {
  QString error;
  if (!ParseViewOptions(args, TViewCommand::Print, options, &error)) {
    io.Error(error);
  } else if (options.Pdf.isEmpty()) {
    io.Error(QStringLiteral("--pdf OUT.pdf is required"));
  } else if (options.Files.size() == 1) {
    return true;
  }
  UsageError(io, kUsage);
  return false;
}

bool CheckPrintTarget(const TViewOptions& options, const TToolIO& io) {
  return CheckOutputTarget(options.Pdf, io, options.Files[0], QStringLiteral("it is the log being printed"));
}

int RunPrint(const QStringList& args, const TToolIO& io) {
  TViewOptions options;
  if (!ParsePrintOptions(args, options, io) || !CheckPrintTarget(options, io)) return ExitUsage;
  const QString printer = SiblingProgram(QStringLiteral("qbprint"));
  if (!QFileInfo(printer).isExecutable()) {
    io.Error(QStringLiteral("cannot print '%1': the report printer '%2' is missing").arg(options.Files[0], printer));
    return ExitUsage;
  }
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(printer, args);
  if (!process.waitForFinished(kPrintTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    io.Error(QStringLiteral("cannot print '%1': the report printer did not finish").arg(options.Files[0]));
    return ExitUsage;
  }
  if (process.exitStatus() != QProcess::NormalExit) {
    io.Error(QStringLiteral("cannot write '%1': the report printer failed").arg(options.Pdf));
    return ExitUsage;
  }
  return process.exitCode();
}

}  // namespace qbltool
