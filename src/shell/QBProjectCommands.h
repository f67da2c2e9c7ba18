#pragma once
// The project commands without their widgets: New, Open, Save, Save As and Close Project, the Save
// Step gate they pass, and the project's part of closing the window. The window supplies the
// questions, file dialogs and the views through IQBProjectWindow, the reports and the cursor through
// IQBAreaFeedback, so the order of the steps is tested without a window.
//
// A Yes to "save these views?" (or a save without asking) whose project was not written (dialog
// cancelled, write failed) stops the command: no view set is lost to a save that did not happen.

#include "settings/QBProjectFile.h"
#include "shell/QBLogCommands.h"

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QList>
#include <QString>

struct TQBProjectState {
  QString CurrentProject;  // full path, or empty
  QString LastProjectDir;  // start folder of the project file dialogs
  QString StartProject;    // the previous session's project, until start-up has tried to open it
};

class IQBProjectWindow {
public:
  virtual ~IQBProjectWindow() = default;
  // The two yes/no/cancel questions of Save Step.
  virtual int AskSaveProjectChanges() = 0;
  virtual int AskSaveNewProject() = 0;
  // The open and save dialogs of project files starting in dir; empty when cancelled.
  virtual QString AskOpenProjectFileName(const QString& dir) = 0;
  virtual QString AskSaveProjectFileName(const QString& dir) = 0;
  // The error variant of the message dialog.
  virtual void ShowErrorMessage(const QString& text) = 0;

  // The project-modified flag: set by every change to the views or their criteria.
  virtual bool ProjectModified() const = 0;
  virtual void SetProjectModified(bool modified) = 0;
  // Every view but "All Messages", in tab order.
  virtual QList<IQBMessageView*> ProjectViews() = 0;
  // Removes every view but "All Messages" without asking.
  virtual void RemoveProjectViews() = 0;
  // Creates a view of the class (the default class when it is not registered) with the name, empty
  // and in the background, without marking the project as modified; null when none could be made.
  virtual IQBMessageView* CreateProjectView(const QString& name, const QString& className) = 0;
  // Fills the views from the whole store (their filters decide) in one pass.
  virtual void FillViews(const QList<IQBMessageView*>& views) = 0;
  // Around removing the old views and creating and filling the new ones (and around removing them when
  // the project closes): a project may hold thousands, and the window renews itself once at the end
  // instead of once per view.
  virtual void BeginManyViews() {}
  virtual void EndManyViews() {}
  // Selects the first tab; the tab strip hides when only one tab is left.
  virtual void SelectFirstView() = 0;
  // The current project or its modified flag changed: renew the project pane and the commands.
  virtual void ProjectChanged() = 0;
  // path (absolute) was opened or written and is the current project now: the recent projects.
  virtual void ProjectFileUsed(const QString& path) { (void)path; }
};

class TQBProjectCommands {
public:
  TQBProjectCommands(TQBProjectState& state, IQBProjectWindow& window, IQBAreaFeedback& feedback)
      : FState(state), FWindow(window), FFeedback(feedback) {}

  // The gate before a command replaces the views: true to go on. With ask set, a modified view set
  // is offered for saving; without it, a modified set is saved without a question.
  bool SaveStep(bool ask);
  // New Project and Close Project.
  void CloseProject();
  // Open Project: the open dialog, then Save Step, then the file replaces the views.
  void OpenProject();
  // The same without the dialog, for a project chosen from the recent projects.
  void OpenProjectFile(const QString& path);
  // Start-up, once the command-line log has loaded: the previous session's project opens as Open
  // Project opens it, views, names and filters. One that cannot be read is reported and does not
  // become current, so nothing is ever written to it.
  void OpenStartProject();
  // The project the settings keep for the next session: the current one, or the previous session's
  // while start-up has not tried it yet (the window closed first).
  QString LastProject() const {
    return FState.CurrentProject.isEmpty() ? FState.StartProject : FState.CurrentProject;
  }
  // Save Project (Save Step without asking) and Save Project As. True when the views were written.
  bool SaveProject();
  bool SaveProjectAs();
  // Reads path into the views; used by Open Project after its dialog.
  bool Open(const QString& path);
  // Writes the views to path, which becomes the current project. False after reporting a failure.
  bool Write(const QString& path);
  // The project's part of a close request: with a current project and auto-save on, a modified set
  // is saved without a question. False keeps the window open (the save failed).
  bool CanClose(bool autoSave);

private:
  // The views of the file's entries, each with its filter; stops at the first that cannot be made.
  void CreateViews(TQBIniFile& ini, const TQBProjectContents& contents, QList<IQBMessageView*>& created);

  TQBProjectState& FState;
  IQBProjectWindow& FWindow;
  IQBAreaFeedback& FFeedback;
};
