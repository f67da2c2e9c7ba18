// qbltool export --format xml|txt [--columns LIST] [FILTER] IN.qbl OUT: loads a log into one filtered
// view and exports that view as XML or tab-separated text.

#include "QBToolCommands.h"
#include "QBToolLoad.h"
#include "QBToolView.h"

#include "view/QBTextExport.h"
#include "view/QBXmlExport.h"

namespace qbltool {

namespace {
constexpr char kUsage[] =
    "export --format xml|txt [--columns LIST] [[--app TEXT] [--category TEXT] [--pid N] [--thread TEXT] "
    "[--computer TEXT] [--text SUBSTRING] [--types LIST] | --project FILE.qbp --view NAME] IN.qbl OUT";
}

int RunExport(const QStringList& args, const TToolIO& io) {
  TViewOptions options;
  QString error;
  if (!ParseViewOptions(args, TViewCommand::Export, options, &error)) {
    io.Error(error);
    return UsageError(io, kUsage);
  }
  if (options.Format.isEmpty()) {
    io.Error(QStringLiteral("--format xml or --format txt is required"));
    return UsageError(io, kUsage);
  }
  if (options.Files.size() != 2) return UsageError(io, kUsage);
  if (const int code = ApplyProjectView(options, io); code != ExitOk) return code;
  if (!CheckOutputTarget(options.Files[1], io, options.Files[0], QStringLiteral("it is the log being exported")))
    return ExitUsage;
  TToolView view(options.Filter);
  const int loaded = view.Load(options.Files[0], io);
  if (loaded == ExitUsage) return loaded;
  const bool ok = options.Format == QLatin1String("xml")
                      ? ExportViewXml(view.Rows(), options.Files[1], nullptr, &error)
                      : ExportViewText(view.Rows(), options.Files[1], {options.Columns, false}, nullptr, &error);
  if (!ok) {
    io.Error(error);
    return ExitUsage;
  }
  return loaded;
}

}  // namespace qbltool
