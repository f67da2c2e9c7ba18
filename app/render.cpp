// qbrender FILE.qbl OUT.png [--size WxH] [--select ROW]: the main window with the log loaded (and the
// row selected), drawn offscreen into a PNG. It runs the viewer's own start-up and window; only the
// settings file is left untouched.
//
// qbrender --plugins: the plug-in modules the viewer loads at start-up, one line each: the file name,
// a tab and its state as the plug-ins dialog shows it. An install is checked with it.

#include "plugins/QBPlugInUtils.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "shell/QBFolders.h"
#include "shell/widgets/QBViewerApp.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QApplication>
#include <QRegularExpression>

#include <cstdio>
#include <vector>

namespace {

const TQBViewClassOf<TQBMessageView> MessageViewClass;

int Usage() {
  std::fprintf(stderr, "usage: qbrender FILE.qbl OUT.png [--size WxH] [--select ROW]\n"
                       "       qbrender --plugins\n");
  return 2;
}

// The viewer's start-up of the plug-ins, with their error reports on standard error instead of boxes
// that nobody could answer offscreen.
int ListPlugIns() {
  const TQBFolders folders = qbfolders::ResolveFolders();
  TQBPlugInManagerScope plugIns(qbplugins::PlugInFolderOf(folders.Install), MessageViewClass,
                                [](QMessageBox::Icon, const QString& caption, const QString& text) {
                                  std::fprintf(stderr, "qbrender: %s: %s\n", qPrintable(caption), qPrintable(text));
                                });
  const TPackageList& packages = InternalPlugInManager->Packages();
  for (qsizetype i = 0; i < packages.Count(); ++i) {
    const TPackageList::TEntry& entry = packages.Entry(i);
    std::printf("%s\t%s\n", qPrintable(entry.Name), qPrintable(ModuleStateText(entry.State, entry.Error)));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Always offscreen: the picture must not depend on a display being there.
  std::vector<char*> args(argv, argv + argc);
  char platform[] = "-platform", offscreen[] = "offscreen";
  args.insert(args.begin() + 1, {platform, offscreen});
  int count = int(args.size());
  QApplication app(count, args.data());
  QStringList params = QApplication::arguments().mid(1);
  if (params == QStringList{QStringLiteral("--plugins")}) return ListPlugIns();
  QSize size(1280, 800);
  if (const qsizetype at = params.indexOf(QStringLiteral("--size")); at >= 0) {
    const auto match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(params.value(at + 1));
    if (!match.hasMatch()) return Usage();
    size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    params.remove(at, 2);
  }
  int selectRow = -1;
  if (const qsizetype at = params.indexOf(QStringLiteral("--select")); at >= 0) {
    bool ok = false;
    selectRow = params.value(at + 1).toInt(&ok);
    if (!ok || selectRow < 0) return Usage();
    params.remove(at, 2);
  }
  if (params.size() != 2) return Usage();
  return QBRenderViewer(params[0], params[1], size, MessageViewClass, selectRow);
}
