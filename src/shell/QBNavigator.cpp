#include "shell/QBNavigator.h"

#include "settings/QBSettings.h"
#include "shell/QBViewBinding.h"
#include "view/QBTypeIndex.h"

#include <quillbox/QBCustomViewIntf.h>

void TQBNavigator::Restore(const TQBGeneralSettings& general) {
  SetNavKind(general.NavigatorMessage);
  SetNavAutomatic(general.NavigatorAutomatic);
  FThreshold = general.TimeDiffNavThreshold;
  SetNavTimeDiff(general.NavigatorTimeDiff);
}

void TQBNavigator::Store(TQBGeneralSettings& general) const {
  general.NavigatorMessage = FKind;
  general.NavigatorAutomatic = FAutomatic;
  general.TimeDiffNavThreshold = FThreshold;
  general.NavigatorTimeDiff = FTimeDiff;
}

void TQBNavigator::ClearKindMarks() {
  for (int entry = 0; entry < qbnav::EntryCount; ++entry)
    if (qbnav::Entry(entry).Tag >= 0) FDisplay.SetMarked(entry, false);
}

void TQBNavigator::ShowCurrent(int entry) {
  // One entry of the kinds and Time Difference is marked: the one the button shows.
  ClearKindMarks();
  FDisplay.ShowCurrentEntry(entry);
}

void TQBNavigator::SetNavKind(int32_t code) {
  // In the time difference mode the kind waits; the list keeps showing Time Difference.
  if (FTimeDiff) {
    ShowCurrent(qbnav::TimeDiffEntry);
    return;
  }
  FKind = code;
  ClearKindMarks();
  // A code without a command keeps the button as it was and marks nothing; the kind still counts.
  if (const int kind = qbnav::KindOfCode(code); kind >= 0) FDisplay.ShowCurrentEntry(kind);
}

void TQBNavigator::SetNavAutomatic(bool on) {
  FAutomatic = on;
  FDisplay.SetMarked(qbnav::AutomaticEntry, on);
}

QString TQBNavigator::TimeDiffCaption() const {
  return QString::fromLatin1(qbnav::TimeDiffFormat).arg(FThreshold);
}

void TQBNavigator::SetNavTimeDiff(bool on) {
  FTimeDiff = on;
  FDisplay.SetMarked(qbnav::TimeDiffEntry, on);
  FDisplay.SetTimeDiffCaption(TimeDiffCaption());
  ShowCurrent(qbnav::TimeDiffEntry);
  if (!on) SetNavKind(FKind);
  UpdateNavEnabling();
  FDisplay.SetKindsEnabled(!on);
}

void TQBNavigator::UpdateNavEnabling() const {
  IQBMessageViewList* list = FViews.Current().List;
  if (!list) return;
  if (FTimeDiff) {
    FEnabling = {true, true, true, true};
    return;
  }
  bool before = false, after = false;
  list->GetNavigationState(FKind, before, after);
  FEnabling = {before, before, after, after};
}

void TQBNavigator::GatherInputs(TQBCommandInputs& in) const {
  UpdateNavEnabling();
  in.NavFirst = FEnabling.First, in.NavPrevious = FEnabling.Previous;
  in.NavNext = FEnabling.Next, in.NavLast = FEnabling.Last;
}

void TQBNavigator::ChooseKind(int entry) {
  if (entry < 0 || entry >= qbnav::KindCount) return;
  SetNavKind(qbnav::Entry(entry).Code);
  UpdateNavEnabling();
}

void TQBNavigator::ToggleTimeDiff() {
  if (FTimeDiff) {
    SetNavTimeDiff(false);
    return;
  }
  int32_t threshold = FThreshold;
  if (!FDialogs.AskTimeDiffThreshold(threshold)) return;
  FThreshold = threshold;
  SetNavTimeDiff(true);
}

void TQBNavigator::SelectNavMessage() {
  bool automatic = FAutomatic;
  int32_t kind = FKind;
  if (!FDialogs.AskNavMessage(automatic, kind)) return;
  SetNavAutomatic(automatic);
  SetNavKind(kind);
  UpdateNavEnabling();
}

void TQBNavigator::Navigate(TQBNavDirection direction) const {
  IQBMessageViewList* list = FViews.Current().List;
  if (!list) return;
  if (FTimeDiff)
    list->NavigateTimeDiff(int(direction), FThreshold);
  else
    list->NavigateToType(int(direction), FKind);
}

void TQBNavigator::MessageSelected(int32_t type) {
  if (FAutomatic) SetNavKind(type);
}

void TQBNavigator::NewMessageAdded(int recNo) {
  // Matched as the views match kinds, so a custom message of any code counts for Custom Messages.
  if (FTimeDiff || !TQBTypeIndex::TypeMatches(FSet.At(recNo).MsgType(), FKind)) return;
  if (FEnabling.Next && FEnabling.Last) return;
  FEnabling.Next = FEnabling.Last = true;
  FDisplay.NavEnablingChanged();
}
