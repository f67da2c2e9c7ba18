#pragma once
// The widget side of the project files: TQBProjectCommands (shell) holds the steps; this class
// supplies the questions and file dialogs (the reports and the cursor come from the window's
// IQBAreaFeedback), reaches the views through the view manager, shows
// the current project in the status bar's project pane and keeps the project settings.

#include "shell/QBProjectCommands.h"

#include <functional>

class IQBProjectDialogs;
class QWidget;
class TQBStatusPanes;
class TQBViewManager;
struct TQBGeneralSettings;

class TQBProjectWindow final : private IQBProjectWindow {
public:
  struct TParts {
    QWidget& Window;
    TQBViewManager& Views;
    TQBStatusPanes& Panes;
    IQBProjectDialogs& Dialogs;
    IQBAreaFeedback& Feedback;  // reports, busy cursor, command states
    std::function<void(const QString&)> FileUsed;  // a project file was opened or written
  };
  explicit TQBProjectWindow(const TParts& parts) : P(parts), FCommands(FState, *this, P.Feedback) {}

  TQBProjectCommands& Commands() { return FCommands; }
  const TQBProjectState& State() const { return FState; }

  // "LastProject" is opened at start-up (OpenStartProject); "LastProjectDir" is the start folder of
  // the file dialogs (the default project folder when empty or gone).
  void ApplySettings(const TQBGeneralSettings& general, const QString& defaultProjects);
  // Start-up, after the command-line log: the last project opens with its views, or, when it cannot
  // be read, is reported and no project is current.
  void OpenStartProject() { FCommands.OpenStartProject(); }
  void StoreSettings(TQBGeneralSettings& general) const;
  // The project's part of closing the window, with the "AutoSaveProject" setting.
  bool CanClose(bool autoSave) { return FCommands.CanClose(autoSave); }

private:
  int AskSaveProjectChanges() override;
  int AskSaveNewProject() override;
  QString AskOpenProjectFileName(const QString& dir) override;
  QString AskSaveProjectFileName(const QString& dir) override;
  void ShowErrorMessage(const QString& text) override;
  bool ProjectModified() const override;
  void SetProjectModified(bool modified) override;
  QList<IQBMessageView*> ProjectViews() override;
  void RemoveProjectViews() override;
  IQBMessageView* CreateProjectView(const QString& name, const QString& className) override;
  void FillViews(const QList<IQBMessageView*>& views) override;
  void BeginManyViews() override;
  void EndManyViews() override;
  void SelectFirstView() override;
  void ProjectChanged() override;
  void ProjectFileUsed(const QString& path) override {
    if (P.FileUsed) P.FileUsed(path);
  }

  TParts P;
  TQBProjectState FState;
  TQBProjectCommands FCommands;
};
