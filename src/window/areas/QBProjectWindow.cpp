#include "window/areas/QBProjectWindow.h"

#include "settings/QBProjectFile.h"
#include "settings/QBSettings.h"
#include "shell/QBViewManager.h"
#include "window/QBStatusPanes.h"
#include "window/dialogs/QBViewAreaDialogs.h"

#include <QFileInfo>

void TQBProjectWindow::ApplySettings(const TQBGeneralSettings& general, const QString& defaultProjects) {
  FState.StartProject = general.LastProject;
  FState.LastProjectDir = !general.LastProjectDir.isEmpty() && QFileInfo(general.LastProjectDir).isDir()
                              ? general.LastProjectDir
                              : defaultProjects;
  P.Panes.SetProject(qbproject::PaneText(FState.CurrentProject));
}

void TQBProjectWindow::StoreSettings(TQBGeneralSettings& general) const {
  general.LastProject = FCommands.LastProject();
  general.LastProjectDir = FState.LastProjectDir;
}

int TQBProjectWindow::AskSaveProjectChanges() { return P.Dialogs.AskSaveProjectChanges(&P.Window); }
int TQBProjectWindow::AskSaveNewProject() { return P.Dialogs.AskSaveNewProject(&P.Window); }

QString TQBProjectWindow::AskOpenProjectFileName(const QString& dir) {
  return P.Dialogs.OpenProjectFileName(&P.Window, dir);
}

QString TQBProjectWindow::AskSaveProjectFileName(const QString& dir) {
  return P.Dialogs.SaveProjectFileName(&P.Window, dir);
}

void TQBProjectWindow::ShowErrorMessage(const QString& text) { P.Dialogs.ShowErrorMessage(&P.Window, text); }

bool TQBProjectWindow::ProjectModified() const { return P.Views.ProjectModified(); }

void TQBProjectWindow::SetProjectModified(bool modified) { P.Views.SetProjectModified(modified); }

QList<IQBMessageView*> TQBProjectWindow::ProjectViews() {
  QList<IQBMessageView*> views;
  for (int i = 1; i < P.Views.Count(); ++i) views.append(P.Views.At(i).View);
  return views;
}

void TQBProjectWindow::RemoveProjectViews() { P.Views.RemoveAllViews(); }

IQBMessageView* TQBProjectWindow::CreateProjectView(const QString& name, const QString& className) {
  const int index = P.Views.InsertView({name, className, {}, false, false});
  return index < 0 ? nullptr : P.Views.At(index).View;
}

void TQBProjectWindow::FillViews(const QList<IQBMessageView*>& views) {
  // The views loaded their criteria themselves; the manager's index of them follows.
  P.Views.CriteriaChanged();
  QList<int> indexes;
  for (IQBMessageView* view : views) indexes.append(P.Views.IndexOf(view));
  P.Views.RefillViews(indexes);
}

void TQBProjectWindow::BeginManyViews() { P.Views.BeginBulk(); }

void TQBProjectWindow::EndManyViews() { P.Views.EndBulk(); }

void TQBProjectWindow::SelectFirstView() { P.Views.Select(0); }

void TQBProjectWindow::ProjectChanged() {
  P.Panes.SetProject(qbproject::PaneText(FState.CurrentProject));
  P.Feedback.UpdateCommands();
}
