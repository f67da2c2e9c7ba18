// qbrender FILE.qbl OUT.png [--size WxH] [--select ROW] [--quick-filter TEXT] [--exclude TEXT]
// [--copy-inspector OUT.txt] [--print-inspector OUT.pdf]: the main window with the log loaded (and the
// row selected, the quick filter narrowing the view to TEXT and hiding what --exclude names), drawn
// offscreen into a PNG. It runs the viewer's own start-up and window; only the settings file is left
// untouched. The two inspector options also save what Copy and Print Inspector Contents give for the
// selected message, without the print dialog, so scripts can look at them and time them.
//
// qbrender --plugins: the plug-in modules the viewer loads at start-up, one line each: the file name,
// a tab and its state as the plug-ins dialog shows it. An install is checked with it.

#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBPrintJob.h"
#include "inspectors/QBStockInspector.h"
#include "model/QBFileCheck.h"
#include "plugins/QBPlugInUtils.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBFolders.h"
#include "window/QBMainForm.h"
#include "window/QBViewerApp.h"
#include "window/areas/QBQuickFilterArea.h"
#include "window/areas/QBQuickFilterBox.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <cstdio>
#include <exception>
#include <vector>

namespace {

const TQBViewClassOf<TQBMessageView> MessageViewClass;

int Usage() {
  std::fprintf(stderr,
               "usage: qbrender FILE.qbl OUT.png [--size WxH] [--select ROW] [--quick-filter TEXT] "
               "[--exclude TEXT] [--copy-inspector OUT.txt] [--print-inspector OUT.pdf]\n"
               "       qbrender --plugins\n");
  return 2;
}

// Takes "--name VALUE" out of params; false when the option is there without a value.
bool TakeOption(QStringList& params, const QString& name, QString& value) {
  const qsizetype at = params.indexOf(name);
  if (at < 0) return true;
  if (at + 1 >= params.size()) return false;
  value = params[at + 1];
  params.remove(at, 2);
  return true;
}

// Copy and Print Inspector Contents of the visible inspector, into files.
int SaveInspectorContents(TFrmViewer& window, const QString& copyFile, const QString& printFile) {
  auto* inspector = qobject_cast<TQBStockInspector*>(window.InspectorPane().VisibleInspectorControl());
  if (!inspector) {
    std::fprintf(stderr, "qbrender: no inspector is showing\n");
    return 1;
  }
  try {
    if (!copyFile.isEmpty()) {
      inspector->CopyContents();
      QFile out(copyFile);
      if (!out.open(QIODevice::WriteOnly) || out.write(QApplication::clipboard()->text().toUtf8()) < 0) {
        std::fprintf(stderr, "qbrender: cannot write %s\n", qPrintable(copyFile));
        return 1;
      }
    }
    if (!printFile.isEmpty()) {
      QBSharedPrinter().setOutputFileName(printFile);
      inspector->PrintContents(QStringLiteral("qbrender"));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qbrender: %s\n", e.what());
    return 1;
  }
  return 0;
}

// The quick filter as a user would have typed it, with the narrowing complete.
void ApplyQuickFilter(TFrmViewer& window, const QString& text, const QString& exclude) {
  TQBQuickFilterBox& box = window.QuickFilter().Box();
  box.AddExclusion({exclude, {}, false});
  box.TextField()->setText(text);
  window.QuickFilter().Finish();
  QApplication::processEvents();
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
  QString sizeText, selectText, copyFile, printFile, quickText, excludeText;
  if (!TakeOption(params, QStringLiteral("--size"), sizeText) ||
      !TakeOption(params, QStringLiteral("--select"), selectText) ||
      !TakeOption(params, QStringLiteral("--quick-filter"), quickText) ||
      !TakeOption(params, QStringLiteral("--exclude"), excludeText) ||
      !TakeOption(params, QStringLiteral("--copy-inspector"), copyFile) ||
      !TakeOption(params, QStringLiteral("--print-inspector"), printFile))
    return Usage();
  QSize size(1280, 800);
  if (!sizeText.isEmpty()) {
    const auto match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(sizeText);
    if (!match.hasMatch()) return Usage();
    size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
  }
  int selectRow = -1;
  if (!selectText.isEmpty()) {
    bool ok = false;
    selectRow = selectText.toInt(&ok);
    if (!ok || selectRow < 0) return Usage();
  }
  if (params.size() != 2) return Usage();
  for (const QString& out : {params[1], copyFile, printFile}) {
    const TQBOutputCheck check = CheckOutput(out, {params[0]});
    if (out.isEmpty() || check.Ok()) continue;
    const QString reason = check.Reason.isEmpty() ? QStringLiteral("it is the log being drawn") : check.Reason;
    std::fprintf(stderr, "qbrender: cannot write %s: %s\n", qPrintable(out), qPrintable(reason));
    return 2;
  }
  return QBRenderViewer(params[0], params[1], size, MessageViewClass, selectRow, [&](TFrmViewer& window) {
    if (!quickText.isEmpty() || !excludeText.isEmpty()) ApplyQuickFilter(window, quickText, excludeText);
    return copyFile.isEmpty() && printFile.isEmpty() ? 0 : SaveInspectorContents(window, copyFile, printFile);
  });
}
