#include "view/QBViewNavigation.h"

#include "model/QBMessageTypes.h"

#include <algorithm>

void TQBViewNavigator::SelectRow(int row) {
  const int count = FRows.RowCount();
  if (count == 0) return;
  row = std::clamp(row, 0, count - 1);
  FRows.ClearSelection();
  FRows.SetRowSelected(row, true);
  IQBRowListHooks& list = FRows.List();
  // Rows opened on the way may have put another message under the list's current row: moving through
  // no row makes the list report the move (and take the row as its anchor) in any case.
  if (list.CurrentRow() == row) list.SetCurrentRow(-1);
  list.SetCurrentRow(row);
  // Centre the row; near the top the list stays where it is.
  const int top = row - list.PageRows() / 2 + 1;
  if (top >= 0) list.SetTopRow(top);
}

void TQBViewNavigator::GoToMessage(int recNo) {
  // Items are in store order, so the wanted item is found by bisection. Every collapsed method that a
  // walk from the top would pass before reaching it is opened, which also uncovers the item itself.
  RevealAndSelect(FRows.ItemAtOrAfterRecNo(recNo));
}

void TQBViewNavigator::RevealAndSelect(int target) {
  const TQBViewRows::TPlace place = FRows.FocusedPlace();
  TQBUpdateGuard update(FRows.List());
  // Opened in item order: an outer method first, so the inner entries it uncovers are rows by then.
  for (int item = 0; item < target; ++item)
    if (FRows.ItemIsEnter(item) && FRows.ItemCollapsed(item)) FRows.OpenMethod(FRows.RowOfItem(item));
  if (target < FRows.ItemCount())
    SelectRow(FRows.RowOfItem(target));
  else
    FRows.KeepFocus(place);
}

void TQBViewNavigator::GoToTime(const TQBTimeStamp& ts) {
  if (FRows.RowCount() == 0) return;
  const int item = FView.TimeIndex().FirstItemAtOrAfter(TQBTimeIndex::Key(ts));
  if (item < 0)
    SelectRow(FRows.RowCount() - 1);
  else
    RevealAndSelect(item);
}

int TQBViewNavigator::FindRow(TQBNavigateKind kind, const auto& matches) const {
  const int count = FRows.RowCount();
  const int current = FRows.CurrentRow();
  switch (kind) {
    case TQBNavigateKind::First:
      return Scan(0, true, matches);
    case TQBNavigateKind::Previous:
      return Scan(current < 0 ? count - 1 : std::max(0, current - 1), false, matches);
    case TQBNavigateKind::Next:
      return Scan(current < 0 ? 0 : current + 1, true, matches);
    case TQBNavigateKind::Last:
      return Scan(count - 1, false, matches);
  }
  return -1;
}

void TQBViewNavigator::NavigateToType(TQBNavigateKind kind, int32_t typeCode) {
  const int count = FRows.RowCount();
  if (count == 0) return;
  FRows.ClearSelection();
  // The type index answers at once, however far away the match lies.
  const int current = FRows.CurrentRow();
  int row = -1;
  switch (kind) {
    case TQBNavigateKind::First: row = FRows.NextRowOfType(typeCode, 0); break;
    case TQBNavigateKind::Previous:
      row = FRows.PrevRowOfType(typeCode, current < 0 ? count - 1 : std::max(0, current - 1));
      break;
    case TQBNavigateKind::Next: row = FRows.NextRowOfType(typeCode, current < 0 ? 0 : current + 1); break;
    case TQBNavigateKind::Last: row = FRows.PrevRowOfType(typeCode, count - 1); break;
  }
  if (row >= 0) SelectRow(row);
}

bool TQBViewNavigator::TimeGapBefore(int item, int32_t thresholdMs) const {
  const int previous = item > 0 ? FRows.PrevVisibleItem(item - 1) : -1;
  if (previous < 0) return false;
  const TQuillboxMessageSet& set = FRows.MessageSet();
  // Only the times of day count: a pair across midnight gives a negative gap.
  const int64_t gap = int64_t(set.At(FRows.ItemRecNo(item)).TimeStamp().Time) -
                      set.At(FRows.ItemRecNo(previous)).TimeStamp().Time;
  return gap > thresholdMs;
}

void TQBViewNavigator::NavigateTimeDiff(TQBNavigateKind kind, int32_t thresholdMs) {
  if (FRows.RowCount() < 2) return;
  FRows.ClearSelection();
  const int row = FindRow(kind, [&](int item, int) { return TimeGapBefore(item, thresholdMs); });
  if (row >= 0) SelectRow(row);
}

void TQBViewNavigator::GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const {
  hasPrevious = hasNext = false;
  const int current = FRows.CurrentRow();
  if (FRows.RowCount() == 0 || current < 0 || current >= FRows.RowCount()) return;
  hasNext = FRows.NextRowOfType(typeCode, current + 1) >= 0;
  hasPrevious = FRows.PrevRowOfType(typeCode, current - 1) >= 0;
}

void TQBViewNavigator::ToggleBookmark(int n) {
  const int current = FRows.CurrentRow();
  if (current < 0 || current >= FRows.RowCount()) return;
  FView.Bookmarks().Toggle(n, FRows.GetRowRecNo(current));
  FRows.List().RepaintAll();
}

void TQBViewNavigator::GoToBookmark(int n) {
  const int recNo = FView.Bookmarks().Get(n);
  if (recNo >= 0) GoToMessage(recNo);
}

void TQBViewNavigator::GoToMatchingMethod() {
  const int current = FRows.CurrentRow();
  if (FRows.RowCount() == 0 || current < 0 || current >= FRows.RowCount()) return;
  if (FRows.IsRowCollapsedMethod(current)) return;
  FRows.ClearSelection();
  const int item = FRows.ItemOfRow(current);
  const int level = FRows.ItemLevel(item);
  const int row = FRows.ItemIsEnter(item)
                      ? Scan(current, true, [&](int i, int) { return FRows.ItemIsExit(i) && FRows.ItemLevel(i) == level; })
                      : Scan(current, false, [&](int i, int) { return FRows.ItemIsEnter(i) && FRows.ItemLevel(i) == level; });
  if (row >= 0)
    SelectRow(row);
  else
    FRows.Host().Beep();
}

bool TQBViewNavigator::GetCallStack(std::vector<TQBCallStackEntry>& list) const {
  const int current = FRows.CurrentRow();
  if (current < 0 || current >= FRows.RowCount() || FRows.RowCount() < 2) return false;
  list.clear();
  int level = FRows.GetRowLevel(current);
  Scan(current, false, [&](int item, int row) {
    if (!FRows.ItemIsEnter(item) || FRows.ItemLevel(item) >= level) return false;
    list.push_back({FRows.MessageSet().At(FRows.ItemRecNo(item)).MsgText(), row});
    --level;
    return FRows.ItemLevel(item) == 0;
  });
  return true;
}

void TQBViewNavigator::GoToCurrentMethod() {
  std::vector<TQBCallStackEntry> stack;
  if (GetCallStack(stack) && !stack.empty()) SelectRow(stack.front().Row);
}
