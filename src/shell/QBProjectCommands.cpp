#include "shell/QBProjectCommands.h"

#include "settings/QBProjectFile.h"
#include "shell/QBFinally.h"
#include "shell/QBViewManager.h"

#include <QFileInfo>

#include <exception>
#include <utility>

namespace {

QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

// The letters of a name as a reader tells names apart: without blanks and invisible format
// characters (a zero-width space between the words reads as a blank), in one case.
QString ReadAs(const QString& name) {
  QString letters;
  for (const QChar c : name)
    if (!c.isSpace() && c.category() != QChar::Other_Format) letters += c.toCaseFolded();
  return letters;
}

// A view of a project may not pass for the window's own first view: a name that reads as "All
// Messages" gets a suffix.
QString ProjectViewName(const QString& name) {
  static const QString own = ReadAs(QBAllMessagesName);
  return ReadAs(name) == own ? name + QStringLiteral(" (2)") : name;
}

}  // namespace

bool TQBProjectCommands::SaveStep(bool ask) {
  if (!FWindow.ProjectModified()) return true;
  if (ask) {
    const int answer = FState.CurrentProject.isEmpty() ? FWindow.AskSaveNewProject() : FWindow.AskSaveProjectChanges();
    if (answer == qbNo) return true;
    if (answer != qbYes) return false;
  }
  // A save that did not happen stops the command, so the views it would replace stay.
  return FState.CurrentProject.isEmpty() ? SaveProjectAs() : Write(FState.CurrentProject);
}

void TQBProjectCommands::CloseProject() {
  if (!SaveStep(true)) return;
  QString error;
  {
    FWindow.BeginManyViews();
    const TQBFinally end(error, [this] { FWindow.EndManyViews(); });
    FWindow.RemoveProjectViews();
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
  FState.CurrentProject.clear();
  FWindow.SetProjectModified(false);
  FWindow.ProjectChanged();
}

void TQBProjectCommands::OpenProject() {
  const QString path = FWindow.AskOpenProjectFileName(FState.LastProjectDir);
  if (!path.isEmpty()) OpenProjectFile(path);
}

void TQBProjectCommands::OpenProjectFile(const QString& path) {
  if (!SaveStep(true)) return;
  FState.LastProjectDir = FolderOf(path);
  Open(path);
}

void TQBProjectCommands::OpenStartProject() {
  const QString path = std::exchange(FState.StartProject, QString());
  if (!path.isEmpty() && SaveStep(true)) Open(path);
}

bool TQBProjectCommands::SaveProject() { return SaveStep(false); }

bool TQBProjectCommands::SaveProjectAs() {
  const QString path = FWindow.AskSaveProjectFileName(FState.LastProjectDir);
  if (path.isEmpty()) return false;
  FState.LastProjectDir = FolderOf(path);
  return Write(path);
}

bool TQBProjectCommands::Open(const QString& path) {
  // The file is checked before the views go, so an unreadable project leaves them as they were; a
  // pipe or a device is refused without blocking, a file too large to be a project unread.
  QString problem;
  const std::unique_ptr<TQBIniFile> ini = qbproject::OpenProjectFile(path, &problem);
  if (!ini) {
    FFeedback.ReportError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, problem));
    return false;
  }
  const TQBProjectContents contents = qbproject::ReadViews(*ini);
  QString error;
  {
    FFeedback.SetBusy(true);
    FWindow.BeginManyViews();
    const TQBFinally notBusy(error, [this] {
      FWindow.EndManyViews();
      FFeedback.SetBusy(false);
    });
    FWindow.RemoveProjectViews();
    QList<IQBMessageView*> created;
    error = QBCatchAll([&] { CreateViews(*ini, contents, created); });
    FWindow.FillViews(created);
  }
  FWindow.SelectFirstView();
  if (contents.ViewCount <= 0) FWindow.ShowErrorMessage(qbproject::NoViewsMessage(path));
  if (contents.Listed > qbproject::MaxViews)
    FWindow.ShowErrorMessage(qbproject::TooManyViewsMessage(path, contents.Listed));
  FState.CurrentProject = QFileInfo(path).absoluteFilePath();
  FWindow.SetProjectModified(false);
  FWindow.ProjectChanged();
  FWindow.ProjectFileUsed(FState.CurrentProject);
  if (!error.isEmpty()) FFeedback.ReportError(error);
  return error.isEmpty();
}

void TQBProjectCommands::CreateViews(TQBIniFile& ini, const TQBProjectContents& contents,
                                     QList<IQBMessageView*>& created) {
  for (const TQBProjectView& entry : contents.Views) {
    IQBMessageView* view = FWindow.CreateProjectView(ProjectViewName(entry.Name), entry.ClassName);
    // Without a view class the other entries fail the same way; the window has said why.
    if (!view) break;
    created.append(view);
    qbproject::LoadViewFilter(ini, entry, *view);
  }
}

bool TQBProjectCommands::Write(const QString& path) {
  QString error;
  {
    FFeedback.SetBusy(true);
    const TQBFinally notBusy(error, [this] { FFeedback.SetBusy(false); });
    try {
      // Written in memory, then to disk at once: a failed write leaves the previous file whole.
      TQBIniFile ini(path, false);
      qbproject::WriteViews(ini, FWindow.ProjectViews());
      ini.UpdateFile();
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
  }
  if (!error.isEmpty()) {
    FFeedback.ReportError(error);
    return false;
  }
  FState.CurrentProject = QFileInfo(path).absoluteFilePath();
  FWindow.SetProjectModified(false);
  FWindow.ProjectChanged();
  FWindow.ProjectFileUsed(FState.CurrentProject);
  return true;
}

bool TQBProjectCommands::CanClose(bool autoSave) {
  if (FState.CurrentProject.isEmpty() || !autoSave) return true;
  return SaveStep(false);
}
