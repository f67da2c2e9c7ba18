// qbltool save [FILTER] IN.qbl OUT.qbl: loads a log into one filtered view and saves that view.

#include "QBToolCommands.h"
#include "QBToolLoad.h"
#include "QBToolView.h"

#include "view/QBLogSave.h"

namespace qbltool {

namespace {
constexpr char kUsage[] =
    "save [[--app TEXT] [--category TEXT] [--pid N] [--thread TEXT] [--computer TEXT] [--text SUBSTRING] "
    "[--types LIST] | --project FILE.qbp --view NAME] IN.qbl OUT.qbl";

// The window's report of a message that could not be written is a dialog's text with line breaks;
// one line here, with the system's reason.
QString SaveFailureLine(const TQBSaveResult& saved, const QString& path) {
  if (saved.FailedRecNo < 0) return QStringLiteral("cannot save '%1': %2").arg(path, saved.Message.simplified());
  return QStringLiteral("cannot save '%1': message #%2 could not be written: %3; the file was left as it was")
      .arg(path)
      .arg(saved.FailedRecNo)
      .arg(saved.Reason);
}

}  // namespace

int SaveToolView(const TToolView& view, const QString& path, const TToolIO& io) {
  const TQBSaveResult saved = SaveViewToFile(view.Rows(), path);
  if (saved.Ok) return ExitOk;
  io.Error(SaveFailureLine(saved, path));
  return ExitUsage;
}

int RunSave(const QStringList& args, const TToolIO& io) {
  TViewOptions options;
  QString error;
  if (!ParseViewOptions(args, TViewCommand::Save, options, &error)) {
    io.Error(error);
    return UsageError(io, kUsage);
  }
  if (options.Files.size() != 2) return UsageError(io, kUsage);
  if (const int code = ApplyProjectView(options, io); code != ExitOk) return code;
  // Saving onto a log read whole is fine: the whole log is read before the file is replaced.
  if (!CheckOutputTarget(options.Files[1], io)) return ExitUsage;
  TToolView view(options.Filter);
  const int loaded = view.Load(options.Files[0], io);
  if (loaded == ExitUsage) return loaded;
  // A load that stopped at an invalid record holds only the messages before it: the records after it
  // exist in the file alone.
  if (loaded == ExitInvalidRecord &&
      !CheckOutputTarget(options.Files[1], io, options.Files[0],
                         QStringLiteral("it is the log being saved, read only up to its invalid record; saving "
                                        "over it would lose the records after that")))
    return ExitUsage;
  if (SaveToolView(view, options.Files[1], io) != ExitOk) return ExitUsage;
  return loaded;
}

}  // namespace qbltool
