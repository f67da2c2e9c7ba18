// TFrmViewer: the log file commands, their dialogs and the dropped files. The steps and flag rules
// are TQBLogCommands'; this file supplies what the user sees.

#include "shell/widgets/QBMainForm.h"

#include "inspectors/QBInspectorPane.h"
#include "shell/widgets/QBLoadProgress.h"
#include "dialogs/QBShortenPath.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

const QString ViewerCaption = QStringLiteral("Quillbox Viewer");
const QString LogFilter = QStringLiteral("Quillbox Log Files ( *.qbl )");
const QString XmlFilter = QStringLiteral("XML Files (*.xml)");
const QString TextFilter = QStringLiteral("Text Files (*.txt)");
// The invalid-log report's text area, which the shortened path must fit.
constexpr int ReportTextWidth = 309;

QStringList LocalFilesOf(const QMimeData* data) {
  QStringList files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.append(url.toLocalFile());
  return files;
}

}  // namespace

void TFrmViewer::ConnectLogCommands() {
  Handle(TQBCmd::Open, [this] { OnOpen(); });
  Handle(TQBCmd::Append, [this] { OnAppend(); });
  Handle(TQBCmd::Save, [this] { OnSave(); });
  Handle(TQBCmd::Export, [this] { OnExport(); });
  Handle(TQBCmd::Refresh, [this] { OnRefresh(); });
}

bool TFrmViewer::WithLoadProgress(const std::function<bool(IQBLogLoadEvents*)>& load) {
  FProgress->Begin();
  struct TEnd {
    TQBLoadProgress& Progress;
    ~TEnd() { Progress.End(); }
  } end{*FProgress};
  const bool loaded = load(FProgress.get());
  // The views' selection notices were held back while the log loaded.
  FPane->InspectFocusedMessage();
  return loaded;
}

bool TFrmViewer::LoadFile(const QString& path, bool append) {
  return WithLoadProgress([&](IQBLogLoadEvents* events) { return FLogCommands.Load(path, append, events); });
}

QString TFrmViewer::AskOpenFileName(const QString& title) {
  const QString path = FDialogs->OpenFileName(this, title, FLog.LastLogDir);
  if (!path.isEmpty()) FLog.LastLogDir = QFileInfo(path).absolutePath();
  return path;
}

void TFrmViewer::OnOpen() {
  const QString path = AskOpenFileName(QStringLiteral("Open Quillbox Log File"));
  if (!path.isEmpty()) LoadFile(path, false);
}

void TFrmViewer::OnAppend() {
  const QString path = AskOpenFileName(QStringLiteral("Append Quillbox Log File"));
  if (!path.isEmpty()) LoadFile(path, true);
}

void TFrmViewer::OnSave() { FLogCommands.Save(); }

void TFrmViewer::OnExport() {
  if (!FCurrent.Export) return;
  QString chosen;
  const QString path =
      FDialogs->SaveFileName(this, QStringLiteral("Export Quillbox Messages"), FLog.LastLogDir,
                             XmlFilter + QStringLiteral(";;") + TextFilter, QStringLiteral("xml"), &chosen);
  if (!path.isEmpty()) FLogCommands.Export(path, chosen != TextFilter);
}

void TFrmViewer::OnRefresh() {
  WithLoadProgress([&](IQBLogLoadEvents* events) {
    FLogCommands.Refresh(events);
    return true;
  });
}

int TFrmViewer::AskSaveBeforeLoad() {
  return FDialogs->AskYesNoCancel(
      this, QStringLiteral("The current log file has been modified.\r\rWould you like to save the *current* log file "
                           "before loading the *new* log file?\r\rTo cancel loading the log file, click the Cancel "
                           "button."));
}

int TFrmViewer::AskSaveBeforeExit() {
  return FDialogs->AskYesNoCancel(
      this, QStringLiteral("The current log file has been modified.\r\rWould you like to save the log file before "
                           "exiting?"));
}

QString TFrmViewer::AskSaveFileName(const QString& dir) {
  return FDialogs->SaveFileName(this, QStringLiteral("Save Quillbox Messages"), dir, LogFilter, QStringLiteral("qbl"),
                                nullptr);
}

void TFrmViewer::ReportInvalidLog(const QString& path) {
  const QString shortPath = QBShortenPath(QDir::toNativeSeparators(path), font(), ReportTextWidth);
  FDialogs->ShowError(this, ViewerCaption,
                      QStringLiteral("The following log file contains invalid messages:\r%1\r\rThis may be the result "
                                     "of one of the following:\r  - The file is not a valid Quillbox log file\r  - "
                                     "The file is corrupt\r  - The file was saved using Quillbox 1")
                          .arg(shortPath));
}

void TFrmViewer::ReportError(const QString& text) { FDialogs->ShowError(this, QBApplicationTitle, text); }

void TFrmViewer::SetBusy(bool busy) {
  busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

void TFrmViewer::ClearAllMessages() {
  ClearAllViews();
  MessageSet.Close();
  MessageSet.Open();
}

void TFrmViewer::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFilesOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TFrmViewer::dropEvent(QDropEvent* event) {
  const QStringList files = LocalFilesOf(event->mimeData());
  if (files.isEmpty() || FLog.Loading) return;
  event->acceptProposedAction();
  activateWindow();
  raise();
  // Loaded from the event loop: the drag source is not kept waiting while the file loads.
  QMetaObject::invokeMethod(
      this,
      [this, files] {
        WithLoadProgress([&](IQBLogLoadEvents* events) { return FLogCommands.Drop(files, events); });
      },
      Qt::QueuedConnection);
}
