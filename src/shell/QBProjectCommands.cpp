#include "shell/QBProjectCommands.h"

#include "model/QBFileCheck.h"

#include "settings/QBProjectFile.h"
#include "shell/QBFinally.h"
#include "shell/QBViewManager.h"

#include <QFile>
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
  FWindow.RemoveProjectViews();
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
  // pipe or a device is refused without blocking.
  QFile file;
  if (QString problem; !OpenInputFile(file, path, &problem)) {
    FFeedback.ReportError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, problem));
    return false;
  }
  file.close();
  TQBIniFile ini(path, false);
  FWindow.RemoveProjectViews();
  const TQBProjectContents contents = qbproject::ReadViews(ini);
  if (contents.ViewCount <= 0) FWindow.ShowErrorMessage(qbproject::NoViewsMessage(path));
  QString error;
  {
    FFeedback.SetBusy(true);
    const TQBFinally notBusy(error, [this] { FFeedback.SetBusy(false); });
    QList<IQBMessageView*> created;
    try {
      for (const TQBProjectView& entry : contents.Views) {
        IQBMessageView* view = FWindow.CreateProjectView(ProjectViewName(entry.Name), entry.ClassName);
        // Without a view class the other entries fail the same way; the window has said why.
        if (!view) break;
        qbproject::LoadViewFilter(ini, entry, *view);
        created.append(view);
      }
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
    FWindow.FillViews(created);
    FWindow.SelectFirstView();
  }
  FState.CurrentProject = QFileInfo(path).absoluteFilePath();
  FWindow.SetProjectModified(false);
  FWindow.ProjectChanged();
  FWindow.ProjectFileUsed(FState.CurrentProject);
  if (!error.isEmpty()) FFeedback.ReportError(error);
  return error.isEmpty();
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
