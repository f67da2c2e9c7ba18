#pragma once
// The annotation and editing commands without their widgets: the four annotations, Edit Message,
// Clear and Clear All, and Clear Bookmarks. They act on the current view (IQBCurrentView); the main
// window supplies the confirmations, the emptying of everything and the panes through IQBEditWindow,
// the cursor and the report of an error in its cleanup through IQBAreaFeedback, so the steps and the flag rules are tested without a window. The window renews the
// command states after each command.

#include "shell/QBAnnotations.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBLogState.h"

class IQBCurrentView;
struct TQBGeneralSettings;

class IQBEditWindow {
public:
  virtual ~IQBEditWindow() = default;
  virtual int ViewCount() const = 0;
  // The clear confirmation: all in (the command's) and out (the box's); true when confirmed.
  virtual bool ConfirmClearView(int viewCount, bool& all) = 0;
  virtual bool ConfirmClearBookmarks() = 0;
  // Empties every view and the store, without asking.
  virtual void ClearAllMessages() = 0;
  // Hides every inspector and empties the call stack and the detail panel.
  virtual void ClearMessageDetails() = 0;
};

class TQBEditCommands {
public:
  TQBEditCommands(const IQBCurrentView& views, TQBLogState& log, TQBMessageAdder& adder, TQBAnnotations& annotations,
                  const TQBGeneralSettings& general, IQBEditWindow& window, IQBAreaFeedback& feedback)
      : FViews(views),
        FLog(log),
        FAdder(adder),
        FAnnotations(annotations),
        FGeneral(general),
        FWindow(window),
        FFeedback(feedback) {}

  // Adds a note and opens the edit dialog on the current view's last row (which is the note only when
  // the view admits notes). Needs the list operations.
  void AddNote();
  void AddCheckPoint() { Annotate(TQBAnnotationKind::CheckPoint); }
  void AddSeparator() { Annotate(TQBAnnotationKind::Separator); }
  // Also starts the current view's nesting over at the outermost level.
  void AddResetSeparator();
  // The edit dialog on the current row. A text that really changed marks the log modified: the edit
  // would be lost without a question otherwise.
  void EditMessage();
  // Clear (the current view) and Clear All. The store is emptied only when every view is cleared.
  void Clear(bool all);
  void ClearBookmarks();

private:
  void Annotate(TQBAnnotationKind kind);
  // EditMessage on row of the current view, marking the log modified when the text changed.
  void EditRow(int row);

  const IQBCurrentView& FViews;
  TQBLogState& FLog;
  TQBMessageAdder& FAdder;
  TQBAnnotations& FAnnotations;
  const TQBGeneralSettings& FGeneral;
  IQBEditWindow& FWindow;
  IQBAreaFeedback& FFeedback;
};
