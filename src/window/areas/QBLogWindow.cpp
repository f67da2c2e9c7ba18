#include "window/areas/QBLogWindow.h"

#include "shell/QBViewManager.h"
#include "window/dialogs/QBErrorReport.h"
#include "window/areas/QBLoadProgress.h"
#include "window/dialogs/QBLogDialogs.h"
#include "window/QBStatusPanes.h"

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

const QString LogFilter = QStringLiteral("Quillbox Log Files ( *.qbl )");
const QString XmlFilter = QStringLiteral("XML Files (*.xml)");
const QString TextFilter = QStringLiteral("Text Files (*.txt)");

}  // namespace

void QBSetBusyCursor(bool busy) {
  busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

TQBLogWindow::TQBLogWindow(const TParts& parts)
    : P(parts),
      FCommands(P.State, P.Adder, *this),
      FGate([this](TQBLoadGate::TWork work) { Post(std::move(work)); }),
      FProgress(std::make_unique<TQBLoadProgress>(P.Panes, [this] { return P.Views.Current().List; })) {
  connect(&P.Panes, &TQBStatusPanes::StopClicked, this, [this] { FProgress->RequestStop(); });
}

TQBLogWindow::~TQBLogWindow() = default;

void TQBLogWindow::Post(std::function<void()> work) {
  QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void TQBLogWindow::WhenIdle(std::function<void()> work) {
  if (FGate.Busy()) FGate.Queue(std::move(work));
  else work();
}

bool TQBLogWindow::RunLoad(const std::function<bool(IQBLogLoadEvents*)>& load) {
  const TQBLoadGate::THold hold(FGate);
  FProgress->Begin();
  struct TEnd {
    TQBLoadProgress& Progress;
    ~TEnd() { Progress.End(); }
  } end{*FProgress};
  const bool loaded = load(FProgress.get());
  P.LoadEnded();
  return loaded;
}

bool TQBLogWindow::LoadFile(const QString& path, bool append) {
  if (FGate.Busy()) {
    FGate.Queue([this, path, append] { LoadFile(path, append); });
    return false;
  }
  return RunLoad([&](IQBLogLoadEvents* events) { return FCommands.Load(path, append, events); });
}

QString TQBLogWindow::AskOpenFileName(const QString& title) {
  const QString path = P.Dialogs.OpenFileName(&P.Window, title, P.State.LastLogDir);
  if (!path.isEmpty()) P.State.LastLogDir = QFileInfo(path).absolutePath();
  return path;
}

void TQBLogWindow::Open() {
  const QString path = AskOpenFileName(QStringLiteral("Open Quillbox Log File"));
  if (!path.isEmpty()) LoadFile(path, false);
}

void TQBLogWindow::Append() {
  const QString path = AskOpenFileName(QStringLiteral("Append Quillbox Log File"));
  if (!path.isEmpty()) LoadFile(path, true);
}

void TQBLogWindow::Export() {
  if (!CurrentExport()) return;
  QString chosen;
  const QString path =
      P.Dialogs.SaveFileName(&P.Window, QStringLiteral("Export Quillbox Messages"), P.State.LastLogDir,
                             XmlFilter + QStringLiteral(";;") + TextFilter, QStringLiteral("xml"), &chosen);
  if (!path.isEmpty()) FCommands.Export(path, chosen != TextFilter);
}

void TQBLogWindow::Refresh() {
  WhenIdle([this] {
    RunLoad([this](IQBLogLoadEvents* events) {
      FCommands.Refresh(events);
      return true;
    });
  });
}

void TQBLogWindow::Drop(const QStringList& files) {
  // Loaded from the event loop: the drag source is not kept waiting while the file loads.
  Post([this, files] {
    WhenIdle([this, files] {
      RunLoad([&](IQBLogLoadEvents* events) { return FCommands.Drop(files, events); });
    });
  });
}

void TQBLogWindow::PostCommandLine(const QStringList& args, std::function<void()> done) {
  if (args.size() != 1) return;
  const QFileInfo file(args.front());
  // Queued: it runs from the event loop, after the window is shown.
  Post([this, file, done = std::move(done)] {
    WhenIdle([this, file, done] {
      // Anything that is there goes to the load, which refuses a pipe or a device with its own message.
      if (file.exists()) {
        LoadFile(file.absoluteFilePath(), false);
      } else {
        P.Errors.ShowError(&P.Window, QBApplicationTitle,
                           QStringLiteral("Cannot open file \"%1\". The file does not exist.")
                               .arg(QDir::toNativeSeparators(file.filePath())));
      }
      done();
    });
  });
}

bool TQBLogWindow::CanClose(std::function<void()> close) {
  if (FGate.Busy()) {
    FGate.QueueClose(std::move(close));
    return false;
  }
  return FCommands.CanClose();
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

void TQBLogWindow::ReportError(const QString& text) { P.Errors.ShowError(&P.Window, QBApplicationTitle, text); }

void TQBLogWindow::ShowStatusText(const QString& text) { P.Host.ShowStatusText(text); }

void TQBLogWindow::SetBusy(bool busy) { QBSetBusyCursor(busy); }

void TQBLogWindow::ClearAllMessages() {
  P.Views.ClearAllViews();
  MessageSet.Close();
  MessageSet.Open();
}

void TQBLogWindow::HoldViewUpdates(bool hold) { hold ? P.Views.BeginUpdateAll() : P.Views.EndUpdateAll(); }

IQBMessageViewList* TQBLogWindow::CurrentList() { return P.Views.Current().List; }
IQBMessageViewSave* TQBLogWindow::CurrentSave() { return P.Views.Current().Save; }
IQBMessageViewExport* TQBLogWindow::CurrentExport() { return P.Views.Current().Export; }

void TQBLogWindow::UpdateCommands() { P.Host.UpdateCommands(); }
