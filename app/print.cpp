// qbprint: the worker of "qbltool print". It takes qbltool's print arguments, loads the log into one
// filtered view through the tool's own loading code, and prints that view's report, every row, into
// the PDF file with the viewer's report code. Error lines and exit codes are qbltool's.

#include "QBResources.h"
#include "QBToolLoad.h"
#include "QBToolView.h"
#include "view/widgets/QBIconLists.h"
#include "view/widgets/QBReportPrinter.h"
#include "view/widgets/QBSharedPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>

#include <cstdio>
#include <stdexcept>
#include <vector>

int main(int argc, char** argv) {
  using namespace qbltool;
  // Always offscreen: printing must not depend on a display being there.
  std::vector<char*> args(argv, argv + argc);
  char platform[] = "-platform", offscreen[] = "offscreen";
  args.insert(args.begin() + 1, {platform, offscreen});
  int count = int(args.size());
  QApplication app(count, args.data());
  const TToolIO io{stdout, stderr};
  TViewOptions options;
  if (!ParsePrintOptions(QApplication::arguments().mid(1), options, io) || !CheckPrintTarget(options, io))
    return ExitUsage;
  if (const int code = ApplyProjectView(options, io); code != ExitOk) return code;
  QBInitResources();
  TToolView view(options.Filter);
  const int loaded = view.Load(options.Files[0], io);
  if (loaded == ExitUsage) return loaded;
  QPrinter printer(QPrinter::HighResolution);
  QBSetPdfOutput(printer, options.Pdf);
  const QString title = options.Title.isEmpty() ? QFileInfo(options.Files[0]).fileName() : options.Title;
  TQBReportLook look;
  look.MessageIcons = qbicons::MessageIcons();
  try {
    QBPrintViewReport(printer, view.Rows(), {title, false, options.Columns}, options.FontSize, look, nullptr);
  } catch (const std::exception& e) {
    io.Error(QStringLiteral("cannot print '%1': %2").arg(options.Pdf, QString::fromUtf8(e.what())));
    return ExitUsage;
  }
  return loaded;
}
