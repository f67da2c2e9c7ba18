#pragma once
// Message navigation without its widgets: the navigation state (kind, automatic mode, time difference
// mode and threshold), what the kind list shows, the enabling of First, Previous, Next and Last, and
// the four steps themselves, which the current view carries out. The main window hands in the current
// view's list operations on each call, shows the kind list through IQBNavigatorDisplay and asks its
// two dialogs through IQBNavigatorDialogs, so the rules are tested without a window.

#include "model/QBMessageAdder.h"
#include "shell/QBNavKinds.h"

#include <QString>

#include <cstdint>

class IQBMessageViewList;
struct TQBGeneralSettings;

// Direction of a navigation step, as the view's list operations number them.
enum class TQBNavDirection { First = 0, Previous = 1, Next = 2, Last = 3 };

struct TQBNavEnabling {
  bool First = false, Previous = false, Next = false, Last = false;
  friend bool operator==(const TQBNavEnabling&, const TQBNavEnabling&) = default;
};

// What the navigation kind list and its drop-down button show. Entries are numbered as in QBNavKinds.
class IQBNavigatorDisplay {
public:
  virtual ~IQBNavigatorDisplay() = default;
  // The drop-down button shows entry's icon and "Browse for " with its caption, and entry is marked.
  virtual void ShowCurrentEntry(int entry) = 0;
  // Sets the mark of one entry.
  virtual void SetMarked(int entry, bool marked) = 0;
  virtual void SetTimeDiffCaption(const QString& caption) = 0;
  // Enables or disables the forty kinds and Automatic together.
  virtual void SetKindsEnabled(bool enabled) = 0;
  // First, Previous, Next and Last changed outside the general command update (a message arrived).
  virtual void NavEnablingChanged() = 0;
};

class IQBNavigatorDialogs {
public:
  virtual ~IQBNavigatorDialogs() = default;
  // The threshold dialog opened with threshold; true with the new value when accepted.
  virtual bool AskTimeDiffThreshold(int32_t& threshold) = 0;
  // The selection dialog opened with the automatic flag and kind; true with both when confirmed.
  virtual bool AskNavMessage(bool& automatic, int32_t& kind) = 0;
};

class TQBNavigator final : public IQBNewMessageObserver {
public:
  // The display shows the initial state only once Restore runs.
  TQBNavigator(IQBNavigatorDisplay& display, IQBNavigatorDialogs& dialogs, const TQuillboxMessageSet& set)
      : FDisplay(display), FDialogs(dialogs), FSet(set) {}

  int32_t Kind() const { return FKind; }
  bool Automatic() const { return FAutomatic; }
  bool TimeDiff() const { return FTimeDiff; }
  int32_t Threshold() const { return FThreshold; }
  // The enabling that UpdateNavEnabling last computed (kept when it could not compute).
  const TQBNavEnabling& Enabling() const { return FEnabling; }

  // The four settings, applied in the start-up order: kind, automatic mode, threshold, time
  // difference mode; and written back.
  void Restore(const TQBGeneralSettings& general);
  void Store(TQBGeneralSettings& general) const;

  void SetNavKind(int32_t code);
  void SetNavAutomatic(bool on);
  void SetNavTimeDiff(bool on, IQBMessageViewList* list);
  // First and Previous follow a match before the selected row, Next and Last one after it; in the
  // time difference mode all four are on. Without list operations nothing changes.
  void UpdateNavEnabling(IQBMessageViewList* list);

  // Commands.
  // A kind chosen from the menu (entry 0..39).
  void ChooseKind(int entry, IQBMessageViewList* list);
  void ToggleAutomatic() { SetNavAutomatic(!FAutomatic); }
  // "Time Difference": off when on; otherwise asks for the threshold and switches it on when accepted.
  void ToggleTimeDiff(IQBMessageViewList* list);
  // "Select Navigation Message...".
  void SelectNavMessage(IQBMessageViewList* list);
  void Navigate(TQBNavDirection direction, IQBMessageViewList* list) const;

  // The selected message of the current view changed; type is its type code.
  void MessageSelected(int32_t type);
  // A message entered the store: Next and Last at once when it is of the kind.
  void NewMessageAdded(int recNo) override;

private:
  QString TimeDiffCaption() const;
  void ClearKindMarks();
  void ShowCurrent(int entry);

  IQBNavigatorDisplay& FDisplay;
  IQBNavigatorDialogs& FDialogs;
  const TQuillboxMessageSet& FSet;
  int32_t FKind = 3;
  bool FAutomatic = true;
  bool FTimeDiff = false;
  int32_t FThreshold = 1000;
  TQBNavEnabling FEnabling;
};
