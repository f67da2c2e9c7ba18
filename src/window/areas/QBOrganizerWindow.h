#pragma once
// The widget side of the organizer: owns the program's one TQBOrganizer, installed as the views'
// registry for as long as it lives, and its commands (TQBOrganizerCommands, shell); supplies the
// settings dialog and creates the organizer's views through the view manager.

#include "shell/QBOrganizerCommands.h"

#include <memory>

class IQBOrganizerDialogs;
class IQBAreaFeedback;
class QWidget;
class TQBViewManager;

class TQBOrganizerWindow final : private IQBOrganizerWindow, private IQBOrganizerViews {
public:
  struct TParts {
    QWidget& Window;
    TQBViewManager& Views;
    TQuillboxMessageSet& Set;
    IQBOrganizerDialogs& Dialogs;
    IQBAreaFeedback& Feedback;  // command states
  };
  // Created before the first view: every view registers its values from the start.
  explicit TQBOrganizerWindow(const TParts& parts);
  // After the views are gone.
  ~TQBOrganizerWindow() override;
  TQBOrganizerWindow(const TQBOrganizerWindow&) = delete;
  TQBOrganizerWindow& operator=(const TQBOrganizerWindow&) = delete;

  TQBOrganizer& Organizer() { return FOrganizer; }
  TQBOrganizerCommands& Commands() { return FCommands; }

private:
  // IQBOrganizerWindow
  bool RunOrganizerSettings(TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) override;
  void UpdateCommands() override;
  void ShowStatusText(const QString& text) override;
  // IQBOrganizerViews
  TQBOrganizedView CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) override;
  void ShowOrganizedView(const TQBOrganizedView& view) override;
  void BeginCreating() override;
  void EndCreating() override;

  TParts P;
  TQBOrganizer FOrganizer;
  TQBOrganizerCommands FCommands;
  // A bulk of the automatic pass's views is open until the event loop runs next.
  bool FBulkOpen = false;
};
