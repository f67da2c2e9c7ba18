#pragma once
// The editing commands without their widgets: the four annotations, Edit Message, Delete, Crop to
// Selection, Select All, Copy, Clear and Clear All, and Clear Bookmarks. The main window supplies the
// current view, the confirmations, the cursor and the panes through IQBEditWindow, so the steps and
// the flag rules are tested without a window.

#include "shell/QBAnnotations.h"
#include "shell/QBLogState.h"

class IQBMessageView;
class IQBMessageViewList;
struct TQBGeneralSettings;

class IQBEditWindow {
public:
  virtual ~IQBEditWindow() = default;
  // The current view's interfaces; null when there is no view or it lacks one.
  virtual IQBMessageView* CurrentView() = 0;
  virtual IQBMessageViewList* CurrentList() = 0;
  virtual int ViewCount() const = 0;
  // The clear confirmation: all in (the command's) and out (the box's); true when confirmed.
  virtual bool ConfirmClearView(int viewCount, bool& all) = 0;
  virtual bool ConfirmClearBookmarks() = 0;
  virtual void SetBusy(bool busy) = 0;
  // While clearing, the inspector is not refreshed by the views' notices.
  virtual void SetClearing(bool clearing) = 0;
  // Empties the store and every view, without asking.
  virtual void ClearAllMessages() = 0;
  // Hides every inspector and empties the call stack and the detail panel.
  virtual void ClearMessageDetails() = 0;
  virtual void UpdateCommands() = 0;
};

class TQBEditCommands {
public:
  TQBEditCommands(TQBLogState& log, TQBMessageAdder& adder, TQBAnnotations& annotations,
                  const TQBGeneralSettings& general, IQBEditWindow& window)
      : FLog(log), FAdder(adder), FAnnotations(annotations), FGeneral(general), FWindow(window) {}

  // Adds a note and opens the edit dialog on the current view's last row (which is the note only when
  // the view admits notes). Needs the list operations.
  void AddNote();
  void AddCheckPoint();
  void AddSeparator();
  // Also starts the current view's nesting over at the outermost level.
  void AddResetSeparator();
  // The edit dialog on the current row. A text that really changed marks the log modified: the edit
  // would be lost without a question otherwise.
  void EditMessage();
  void Delete();
  // The view shows less; the store keeps every message, so the log stays unmodified.
  void CropToSelection();
  void SelectAll();
  void CopyMessageText();
  // Clear (the current view) and Clear All. The store is emptied only when every view is cleared.
  void Clear(bool all);
  void ClearBookmarks();

private:
  void Annotate(TQBAnnotationKind kind);
  // EditMessage on row of the current view, marking the log modified when the text changed.
  void EditRow(int row);

  TQBLogState& FLog;
  TQBMessageAdder& FAdder;
  TQBAnnotations& FAnnotations;
  const TQBGeneralSettings& FGeneral;
  IQBEditWindow& FWindow;
};
