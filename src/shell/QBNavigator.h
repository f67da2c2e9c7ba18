#pragma once
// Message navigation without its widgets: the navigation state (kind, automatic mode, time difference
// mode and threshold), what the kind list shows, the enabling of First, Previous, Next and Last, and
// the four steps themselves, which the current view carries out. It reads the current view through
// IQBCurrentView, shows the kind list through IQBNavigatorDisplay and asks its two dialogs through
// IQBNavigatorDialogs, so the rules are tested without a window. In the window it is an
// observer of the adding path (the second, after the organizer), a selection listener (automatic
// mode) and a source of the command states (the enabling).

#include "model/QBMessageAdder.h"
#include "shell/QBCommandRules.h"
#include "shell/QBNavKinds.h"
#include "shell/QBSelectionListeners.h"

#include <QString>

#include <cstdint>

class IQBCurrentView;
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

class TQBNavigator final : public IQBNewMessageObserver, public IQBSelectionListener, public IQBCommandInputSource {
public:
  // The display shows the initial state only once Restore runs.
  TQBNavigator(IQBNavigatorDisplay& display, IQBNavigatorDialogs& dialogs, const TQuillboxMessageSet& set,
               const IQBCurrentView& views)
      : FDisplay(display), FDialogs(dialogs), FSet(set), FViews(views) {}

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
  void SetNavTimeDiff(bool on);
  // First and Previous follow a match before the selected row of the current view, Next and Last one
  // after it; in the time difference mode all four are on. A view without list operations leaves the
  // enabling as it was. It asks the view's type index, never walks the view.
  void UpdateNavEnabling() const;

  // Commands.
  // A kind chosen from the menu (entry 0..39).
  void ChooseKind(int entry);
  void ToggleAutomatic() { SetNavAutomatic(!FAutomatic); }
  // "Time Difference": off when on; otherwise asks for the threshold and switches it on when accepted.
  void ToggleTimeDiff();
  // "Select Navigation Message...".
  void SelectNavMessage();
  void Navigate(TQBNavDirection direction) const;

  // The selected message of the current view changed; type is its type code.
  void MessageSelected(int32_t type);
  // A message entered the store: Next and Last at once when it is of the kind.
  void NewMessageAdded(int recNo) override;
  // IQBSelectionListener: the store is on the newly focused message.
  void MessageFocused() override { MessageSelected(FSet.GetMsgType()); }
  void MessageCleared() override {}
  // IQBCommandInputSource: renews the enabling and hands it over.
  void GatherInputs(TQBCommandInputs& in) const override;

private:
  QString TimeDiffCaption() const;
  void ClearKindMarks();
  void ShowCurrent(int entry);

  IQBNavigatorDisplay& FDisplay;
  IQBNavigatorDialogs& FDialogs;
  const TQuillboxMessageSet& FSet;
  const IQBCurrentView& FViews;
  int32_t FKind = 3;
  bool FAutomatic = true;
  bool FTimeDiff = false;
  int32_t FThreshold = 1000;
  // The view's last answer, kept while a view without list operations is current; renewed in every
  // command update (which is const towards its sources).
  mutable TQBNavEnabling FEnabling;
};
