#pragma once
// The dialogs of view management, projects and the organizer: the view filter dialog and the
// confirmation before Remove All Views; the project questions, file dialogs and notice; the organizer
// settings dialog. Each interface defaults to the modal dialogs the user sees; tests and offscreen
// tools replace them.

#include "shell/QBVocabulary.h"
#include "shell/QBViewCommands.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

class IQBViewDialogs {
public:
  virtual ~IQBViewDialogs() = default;
  // The view filter dialog centred over the main window; true on OK with the request's answers. help
  // opens a help topic.
  virtual bool RunViewFilter(QWidget* window, TQBViewFilterRequest& request,
                             const std::function<void(const QString&)>& help) = 0;
  // "Remove All Views?" centred over the views area; true for Yes.
  virtual bool ConfirmRemoveAllViews(QWidget* viewsArea) = 0;
};

class IQBProjectDialogs {
public:
  virtual ~IQBProjectDialogs() = default;
  // The two questions of a modified view set: 6 Yes, 7 No, 2 Cancel.
  virtual int AskSaveProjectChanges(QWidget* window) = 0;
  virtual int AskSaveNewProject(QWidget* window) = 0;
  // The project file dialogs starting in dir; empty when cancelled.
  virtual QString OpenProjectFileName(QWidget* window, const QString& dir) = 0;
  virtual QString SaveProjectFileName(QWidget* window, const QString& dir) = 0;
  // The error variant of the message dialog.
  virtual void ShowErrorMessage(QWidget* window, const QString& text) = 0;
};

class IQBOrganizerDialogs {
public:
  virtual ~IQBOrganizerDialogs() = default;
  // The organizer settings dialog in form, opened with fields and the Auto-Organize box; true on OK
  // with what the dialog ended with.
  virtual bool RunOrganizerSettings(QWidget* window, TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) = 0;
};

std::unique_ptr<IQBViewDialogs> NewViewDialogs();
std::unique_ptr<IQBProjectDialogs> NewProjectDialogs();
std::unique_ptr<IQBOrganizerDialogs> NewOrganizerDialogs();
