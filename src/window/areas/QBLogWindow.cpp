#include "window/areas/QBLogWindow.h"

#include "shell/QBViewManager.h"
#include "window/areas/QBLoadProgress.h"
#include "window/dialogs/QBLogDialogs.h"
#include "window/QBStatusPanes.h"

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QFileInfo>
#include <QWidget>

namespace {

const QString LogFilter = QStringLiteral("Quillbox Log Files ( *.qbl )");
const QString XmlFilter = QStringLiteral("XML Files (*.xml)");
const QString TextFilter = QStringLiteral("Text Files (*.txt)");

}  // namespace

TQBLogWindow::TQBLogWindow(const TParts& parts)
    : P(parts),
      FCommands(P.State, P.Adder, *this, P.Feedback),
      FProgress(std::make_unique<TQBLoadProgress>(P.Panes, [this] { return P.Views.Current().List; })),
      FLoads({FCommands, *FProgress, P.Feedback, [this](TQBLoadGate::TWork work) { Post(std::move(work)); },
              P.LoadEnded}) {
  connect(&P.Panes, &TQBStatusPanes::StopClicked, this, [this] { FProgress->RequestStop(); });
}

TQBLogWindow::~TQBLogWindow() = default;

void TQBLogWindow::Post(std::function<void()> work) {
  QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

QString TQBLogWindow::AskOpenFileName(const QString& title) {
  const QString path = P.Dialogs.OpenFileName(&P.Window, title, P.State.LastLogDir);
  if (!path.isEmpty()) P.State.LastLogDir = QFileInfo(path).absolutePath();
  return path;
}

void TQBLogWindow::Open() {
  const QString path = AskOpenFileName(QStringLiteral("Open Quillbox Log File"));
  if (!path.isEmpty()) FLoads.LoadFile(path, false);
}

void TQBLogWindow::Append() {
  const QString path = AskOpenFileName(QStringLiteral("Append Quillbox Log File"));
  if (!path.isEmpty()) FLoads.LoadFile(path, true);
}

void TQBLogWindow::MergeLogs() {
  const QStringList paths = P.Dialogs.OpenFileNames(&P.Window, QStringLiteral("Merge Quillbox Log Files"), P.State.LastLogDir);
  if (paths.isEmpty()) return;
  P.State.LastLogDir = QFileInfo(paths.front()).absolutePath();
  FLoads.MergeFiles(paths);
}

void TQBLogWindow::Export() {
  if (!CurrentExport()) return;
  QString chosen;
  const QString path =
      P.Dialogs.SaveFileName(&P.Window, QStringLiteral("Export Quillbox Messages"), P.State.LastLogDir,
                             XmlFilter + QStringLiteral(";;") + TextFilter, QStringLiteral("xml"), &chosen);
  if (!path.isEmpty()) FCommands.Export(path, chosen != TextFilter);
}

int TQBLogWindow::AskSaveBeforeLoad() {
  return P.Dialogs.AskYesNoCancel(
      &P.Window,
      QStringLiteral("The current log file has been modified.\r\rWould you like to save the *current* log file "
                     "before loading the *new* log file?\r\rTo cancel loading the log file, click the Cancel "
                     "button."));
}

int TQBLogWindow::AskSaveBeforeExit() {
  return P.Dialogs.AskYesNoCancel(
      &P.Window,
      QStringLiteral("The current log file has been modified.\r\rWould you like to save the log file before "
                     "exiting?"));
}

int TQBLogWindow::AskSaveFilteredView() {
  return P.Dialogs.AskYesNoCancel(
      &P.Window,
      QStringLiteral("The current view shows only the messages that pass its filter.\r\rSaving it replaces the log "
                     "file it was loaded from with these messages; the others will be lost from the file.\r\rWould "
                     "you like to save the current view to the log file?"));
}

QString TQBLogWindow::AskSaveFileName(const QString& dir) {
  return P.Dialogs.SaveFileName(&P.Window, QStringLiteral("Save Quillbox Messages"), dir, LogFilter,
                                QStringLiteral("qbl"), nullptr);
}

void TQBLogWindow::ReportInvalidLog(const QString& path) { P.Dialogs.ReportInvalidLog(&P.Window, path); }

void TQBLogWindow::ReportSaveFailure(int messageNumber, const QString& path) {
  // Centred over the view that was being saved.
  QWidget* view = qobject_cast<QWidget*>(P.Views.Current().Object);
  P.Dialogs.ReportSaveFailure(view ? view : &P.Window, messageNumber, path);
}

void TQBLogWindow::ClearAllMessages() { P.Views.ClearViewsAndStore(); }

void TQBLogWindow::HoldViewUpdates(bool hold) { hold ? P.Views.BeginUpdateAll() : P.Views.EndUpdateAll(); }

IQBMessageViewList* TQBLogWindow::CurrentList() { return P.Views.Current().List; }
IQBMessageViewSave* TQBLogWindow::CurrentSave() { return P.Views.Current().Save; }
IQBMessageViewExport* TQBLogWindow::CurrentExport() { return P.Views.Current().Export; }
