#include "view/QBViewRows.h"

#include "model/QBMessageTypes.h"

#include <algorithm>
#include <climits>

namespace {

// Sets a flag for the length of a scope, also when an exception leaves it.
class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }

private:
  bool& FFlag;
};

}  // namespace

TQBViewRows::TQBViewRows(TQuillboxMessageSet& set, IQBRowListHooks& list, IQBViewHostHooks& host)
    : FSet(set), FList(list), FHost(host) {
  FRows.Clear();
}

uint8_t TQBViewRows::KindOf(int32_t type) {
  if (qbtypes::OpensMethod(type)) return KindEnter;
  return qbtypes::ClosesMethod(type) ? KindExit : KindOther;
}

// ---------------------------------------------------------------------------------------------------
// Adding

void TQBViewRows::AppendCurrentMessage() {
  const int recNo = FSet.RecNo();
  const int32_t type = FSet.GetMsgType();
  const int log = FHost.SourceLogOf(recNo);
  FLastLane = log < 0 ? 0 : size_t(log) + 1;
  int32_t& depth = LaneFor(FLastLane).Depth;
  // An entry and its exit get the same level; everything between them is one deeper.
  int32_t level = depth;
  if (qbtypes::OpensMethod(type)) {
    if (depth < INT32_MAX) ++depth;
  } else if (qbtypes::ClosesMethod(type)) {
    depth = std::max(0, depth - 1);
    level = depth;
  }
  // An exit that also collapses is stored as a plain exit once a view has taken it in.
  const bool collapseOnExit = type == qbmExitMethodCollapse;
  if (collapseOnExit) FSet.SetMsgType(qbmExitMethod);

  AddItem(recNo, level, collapseOnExit ? qbmExitMethod : type);
  FList.SetRowCount(RowCount());
  if (FQuickTest) {
    if (ItemIsExit(ItemCount() - 1)) CollapseArrivedExit(ItemCount() - 1, collapseOnExit);
    return;
  }
  const int row = RowCount() - 1;
  if (row == 0) return;
  if (collapseOnExit) {
    CollapseClosedMethod(row);
  } else if (type == qbmExitMethod && FHost.AutoCollapse()) {
    // An entry directly followed by its exit in this view is an empty method: show it as one row. The
    // exit must close that entry: with merged logs it may close a method of another log.
    const int previous = PrevVisibleItem(ItemCount() - 2);
    if (previous >= 0 && ItemIsEnter(previous) && !ItemCollapsed(previous) && MatchingExit(previous) == ItemCount() - 1)
      CollapseMethod(row - 1);
  }
}

void TQBViewRows::AddItem(int recNo, int level, int32_t type) {
  const uint8_t kind = KindOf(type);
  FRecNos.push_back(recNo);
  FLevels.push_back(level);
  FSelFlags.push_back(0);
  FCollapsed.push_back(0);
  FKinds.push_back(kind);
  FMatch.push_back(-1);
  const bool shown = !FQuickTest || FQuickTest(recNo);
  if (FQuickTest) FQuickPasses.push_back(shown ? 1 : 0);
  FRows.Append(shown);
  FTypes.Append(type, shown);
  IndexMethodItem(ItemCount() - 1);
}

size_t TQBViewRows::LaneOf(int item) const {
  const int log = FHost.SourceLogOf(ItemRecNo(item));
  return log < 0 ? 0 : size_t(log) + 1;
}

TQBViewRows::TLane& TQBViewRows::LaneFor(size_t lane) {
  if (lane >= FLanes.size()) FLanes.resize(lane + 1);
  return FLanes[lane];
}

void TQBViewRows::IndexMethodItem(int item) {
  const uint8_t kind = FKinds[size_t(item)];
  if (kind == KindOther) return;
  TLane& lane = LaneFor(LaneOf(item));
  if (kind == KindEnter) {
    lane.Open.push_back(item);
  } else if (!lane.Open.empty()) {
    FMatch[size_t(lane.Open.back())] = item;
    FLastClosedEntry = lane.Open.back();
    lane.Open.pop_back();
  }
  const size_t level = size_t(FLevels[size_t(item)]);
  if (level >= lane.MarksByLevel.size()) lane.MarksByLevel.resize(level + 1);
  lane.MarksByLevel[level].push_back(item);
}

void TQBViewRows::RebuildMethodIndex() {
  for (TLane& lane : FLanes) {
    lane.Open.clear();
    lane.MarksByLevel.clear();
  }
  std::fill(FMatch.begin(), FMatch.end(), -1);
  for (int i = 0; i < ItemCount(); ++i) IndexMethodItem(i);
}

// ---------------------------------------------------------------------------------------------------
// Lookups

bool TQBViewRows::IsRowCollapsedMethod(int row) const {
  const int item = ItemOfRow(row);
  return ItemIsEnter(item) && ItemCollapsed(item);
}

int TQBViewRows::MethodSize(int row) const {
  const int item = ItemOfRow(row);
  const int exit = MatchingExit(item);
  return exit < 0 ? 0 : exit - item - 1;
}

int TQBViewRows::NextRowOfType(int32_t wanted, int row) const {
  if (row >= RowCount()) return -1;
  const int item = FTypes.NextMatch(wanted, row <= 0 ? 0 : ItemOfRow(row));
  return item < 0 ? -1 : RowOfItem(item);
}

int TQBViewRows::NextItemOfType(int32_t wanted, int item) const {
  return item >= ItemCount() ? -1 : FTypes.NextMatch(wanted, std::max(item, 0));
}

int TQBViewRows::PrevRowOfType(int32_t wanted, int row) const {
  if (row < 0 || RowCount() == 0) return -1;
  const int item = FTypes.PrevMatch(wanted, ItemOfRow(std::min(row, RowCount() - 1)));
  return item < 0 ? -1 : RowOfItem(item);
}

int TQBViewRows::ItemAtOrAfterRecNo(int recNo) const {
  return int(std::lower_bound(FRecNos.begin(), FRecNos.end(), recNo) - FRecNos.begin());
}

bool TQBViewRows::GotoCurrentMessage() const {
  const int row = CurrentRow();
  if (row < 0 || row >= RowCount()) return false;
  GotoRowMessage(row);
  return true;
}

int TQBViewRows::NearestMarkAbove(int item, int level) const {
  const size_t lane = LaneOf(item);
  if (lane >= FLanes.size()) return -1;
  const std::vector<std::vector<int32_t>>& byLevel = FLanes[lane].MarksByLevel;
  if (level < 0 || size_t(level) >= byLevel.size()) return -1;
  const std::vector<int32_t>& marks = byLevel[size_t(level)];
  int bound = item;
  for (;;) {
    const auto it = std::lower_bound(marks.begin(), marks.end(), bound);
    if (it == marks.begin()) return -1;
    const int candidate = *(it - 1);
    if (IsItemVisible(candidate)) return candidate;
    // Hidden inside a collapsed method: go on above that method's entry row (which may itself be a mark).
    const int host = PrevVisibleItem(candidate);
    if (host < 0) return -1;
    bound = host + 1;
  }
}

// ---------------------------------------------------------------------------------------------------
// Collapsing and expanding

void TQBViewRows::SetRowRange(int first, int last, bool visible) {
  if (visible && FQuickTest) {
    ShowPassingRuns(first, last);
    return;
  }
  FRows.SetRange(first, last, visible);
  FTypes.SetRange(first, last, visible);
}

void TQBViewRows::ShowPassingRuns(int first, int last) {
  for (int i = first; i <= last;) {
    while (i <= last && !QuickPasses(i)) ++i;
    int end = i;
    while (end <= last && QuickPasses(end)) ++end;
    if (i < end) {
      FRows.SetRange(i, end - 1, true);
      FTypes.SetRange(i, end - 1, true);
    }
    i = end;
  }
}

void TQBViewRows::HideMethodBody(int enterItem, int exitItem) { SetRowRange(enterItem + 1, exitItem, false); }

void TQBViewRows::ShowMethodBody(int enterItem, int exitItem) {
  // Nested methods that are collapsed stay collapsed: their bodies stay hidden. The body is shown in
  // runs that end at each such nested entry.
  int run = enterItem + 1;
  for (int i = run; i <= exitItem;) {
    const int nestedExit = ItemCollapsed(i) ? MatchingExit(i) : -1;
    if (nestedExit > i) {
      SetRowRange(run, i, true);
      run = i = nestedExit + 1;
    } else {
      ++i;
    }
  }
  SetRowRange(run, exitItem, true);
}

bool TQBViewRows::HideMethod(int enterItem) {
  // Only a method entry with a matching exit can be collapsed.
  const int exit = MatchingExit(enterItem);
  if (exit < 0) return false;
  HideMethodBody(enterItem, exit);
  FCollapsed[size_t(enterItem)] = 1;
  // The collapsed row stands for its whole method: Copy, Print and Delete take the hidden messages
  // exactly when the row is selected. Nothing to write when neither the entry nor the body is flagged.
  const bool selected = ItemSelected(enterItem);
  if (selected || (FSelLow <= exit && FSelHigh > enterItem)) SetItemFlags(enterItem + 1, exit, selected);
  return true;
}

void TQBViewRows::CollapseMethod(int row) {
  const TPlace place = FocusedPlace();
  {
    TQBUpdateGuard update(FList);
    if (HideMethod(ItemOfRow(row))) FList.SetRowCount(RowCount());
  }
  KeepFocus(place);
}

void TQBViewRows::OpenMethod(int row) {
  const int enter = ItemOfRow(row);
  FCollapsed[size_t(enter)] = 0;
  const int exit = MatchingExit(enter);
  if (exit < 0) return;
  ShowMethodBody(enter, exit);
  // The body's flags came with a selected collapsed row; as rows of their own they were never chosen.
  if (ItemSelected(enter)) SetItemFlags(enter + 1, exit, false);
  FList.SetRowCount(RowCount());
}

void TQBViewRows::ExpandMethod(int row) {
  const TPlace place = FocusedPlace();
  ClearSelection();
  OpenMethod(row);
  SetItemFlag(ItemOfRow(row), true);
  FList.RepaintRow(row);
  KeepFocus(place);
}

bool TQBViewRows::CollapseAt(int enterItem) {
  // A row above the method, or one that stays visible, keeps the focus: a collapse-on-exit record
  // arriving while the user looks elsewhere must not take the focus away.
  const int current = CurrentRow();
  const int exit = MatchingExit(enterItem);
  const int focused = current >= 0 && current < RowCount() ? ItemOfRow(current) : -1;
  if (focused < 0 || (focused > enterItem && focused <= exit)) FList.SetCurrentRow(RowOfItem(enterItem));
  CollapseMethod(RowOfItem(enterItem));
  return exit >= 0;
}

bool TQBViewRows::CollapseClosedMethod(int row) {
  // The method an exit closes is the nearest entry above it at the exit's level, unless an exit or a
  // collapsed entry at that level comes first (that one closed it already).
  const int exit = ItemOfRow(row);
  const int mark = NearestMarkAbove(exit, ItemLevel(exit));
  bool collapsed = false;
  if (mark >= 0 && ItemIsEnter(mark) && !ItemCollapsed(mark)) collapsed = CollapseAt(mark);
  FHost.UpdateCommands();
  return collapsed;
}

void TQBViewRows::ToggleMethod(int row) {
  if (ItemCollapsed(ItemOfRow(row)))
    ExpandMethod(row);
  else
    CollapseMethod(row);
  FHost.UpdateCommands();
}

void TQBViewRows::ToggleCurrentMethod() {
  FHost.HideHint();
  if (!GotoCurrentMessage()) return;
  const int row = CurrentRow();
  const int32_t type = FSet.GetMsgType();
  if (type == qbmEnterMethod || type == qbmCollapsedMethod)
    ToggleMethod(row);
  else if (type == qbmExitMethod)
    CollapseClosedMethod(row);
}

bool TQBViewRows::IsCurrentMethodCollapsed() const {
  const int row = CurrentRow();
  return row >= 0 && row < RowCount() && IsRowCollapsedMethod(row);
}

void TQBViewRows::KeepFocus(const TPlace& place) {
  if (place.Item < 0 || place.Item >= ItemCount()) return;
  const int row = RowShowing(place.Item);
  if (row < 0 || row == CurrentRow()) return;
  FList.RelocateCurrentRow(row, std::max(0, row - place.Offset));
}

TQBViewRows::TPlace TQBViewRows::FocusedPlace() const {
  const int row = CurrentRow();
  if (row < 0 || row >= RowCount()) return {};
  return {ItemOfRow(row), std::clamp(row - FList.TopRow(), 0, std::max(0, FList.PageRows() - 1))};
}

int TQBViewRows::RowShowing(int item) const {
  int shown = IsItemVisible(item) ? item : PrevVisibleItem(item);
  if (shown < 0) shown = NextVisibleItem(item);
  return shown < 0 ? -1 : RowOfItem(shown);
}

void TQBViewRows::RestorePlace(const TPlace& place) {
  ClearSelectionFlags();
  const int row = place.Item < 0 ? -1 : RowShowing(place.Item);
  if (row >= 0) {
    SelectRequest(row, true);
    FList.RelocateCurrentRow(row, std::max(0, row - place.Offset));
  }
  FList.RepaintAll();
}

void TQBViewRows::ExpandAll(bool fromStart) {
  const TPlace place = FocusedPlace();
  {
    TQBUpdateGuard update(FList);
    const int start = fromStart ? 0 : std::max(0, CurrentRow());
    if (start < RowCount()) {
      // Every collapsed method from the start row on opens, nested ones included, so every item from
      // the start row's item on becomes a row.
      const int first = ItemOfRow(start);
      for (int i = first; i < ItemCount(); ++i) FCollapsed[size_t(i)] = 0;
      SetRowRange(first, ItemCount() - 1, true);
      FList.SetRowCount(RowCount());
    }
  }
  RestorePlace(place);
  FHost.UpdateCommands();
}

void TQBViewRows::CollapseAll() {
  const TPlace place = FocusedPlace();
  {
    TQBUpdateGuard update(FList);
    // Walk the rows from the top. A collapsed method is opened so its body is walked; every exit
    // collapses the method it closes, so inner methods close before the methods around them. The
    // list hears nothing until the end: moving its current row for each method would cost a
    // selection notice per method.
    // The entries walked and not yet closed are kept on a stack: an exit closes the one on top, the
    // same pairing MatchingExit reports, so every method Toggle Method would collapse collapses here
    // (the nesting levels can disagree with it once an entry or exit was deleted).
    std::vector<int> open;
    for (int item = NextVisibleItem(0); item >= 0; item = NextVisibleItem(item + 1)) {
      if (ItemIsEnter(item)) {
        if (ItemCollapsed(item)) {
          FCollapsed[size_t(item)] = 0;
          ShowMethodBody(item, MatchingExit(item));
        }
        open.push_back(item);
      } else if (ItemIsExit(item) && !open.empty()) {
        const int enter = open.back();
        open.pop_back();
        if (MatchingExit(enter) == item) HideMethod(enter);
      }
    }
    FList.SetRowCount(RowCount());
  }
  RestorePlace(place);
  FHost.UpdateCommands();
}

// ---------------------------------------------------------------------------------------------------
// Quick filter

void TQBViewRows::SetQuickFilter(TQuickTest test, std::vector<uint8_t> passes) {
  const TPlace place = FocusedPlace();
  {
    TQBUpdateGuard update(FList);
    FQuickTest = std::move(test);
    FQuickPasses.clear();
    if (FQuickTest) {
      FQuickPasses = std::move(passes);
      FQuickPasses.resize(std::min(FQuickPasses.size(), FRecNos.size()));
      for (size_t i = FQuickPasses.size(); i < FRecNos.size(); ++i) FQuickPasses.push_back(FQuickTest(FRecNos[i]) ? 1 : 0);
    }
    std::vector<uint8_t> visible(FRecNos.size(), 0);
    for (int i = 0; i < ItemCount();) {
      visible[size_t(i)] = QuickPasses(i) ? 1 : 0;
      const int exit = ItemCollapsed(i) ? MatchingExit(i) : -1;
      i = exit > i ? exit + 1 : i + 1;
    }
    AssignVisibility(visible);
    FList.SetRowCount(RowCount());
  }
  RestorePlace(place);
  FHost.UpdateCommands();
}

void TQBViewRows::CollapseArrivedExit(int exitItem, bool collapseOnExit) {
  const int entry = FLastClosedEntry;
  if (entry < 0 || MatchingExit(entry) != exitItem || ItemCollapsed(entry)) return;
  if (!collapseOnExit && !(FHost.AutoCollapse() && entry == exitItem - 1)) return;
  if (HideMethod(entry)) FList.SetRowCount(RowCount());
}

// ---------------------------------------------------------------------------------------------------
// Removing

void TQBViewRows::ClearView() {
  {
    TQBUpdateGuard update(FList);
    TFlagScope clearing(FClearing);
    FList.SetRowCount(0);
    FRecNos.clear();
    FLevels.clear();
    FSelFlags.clear();
    FCollapsed.clear();
    FKinds.clear();
    FMatch.clear();
    FLanes.assign(1, TLane{});
    FLastLane = 0;
    FQuickPasses.clear();
    FRows.Clear();
    FTypes.Clear();
    ++FGeneration;
    FSelLow = INT_MAX;
    FSelHigh = -1;
    FHost.ViewCleared();
  }
}

void TQBViewRows::RemoveItems(const std::vector<uint8_t>& remove) {
  ++FGeneration;
  size_t kept = 0;
  std::vector<uint8_t> visible;
  visible.reserve(FRecNos.size());
  for (size_t i = 0; i < FRecNos.size(); ++i) {
    if (remove[i]) continue;
    FRecNos[kept] = FRecNos[i];
    FLevels[kept] = FLevels[i];
    FSelFlags[kept] = FSelFlags[i];
    FCollapsed[kept] = FCollapsed[i];
    FKinds[kept] = FKinds[i];
    if (FQuickTest) FQuickPasses[kept] = FQuickPasses[i];
    visible.push_back(FRows.IsVisible(int(i)) ? 1 : 0);
    ++kept;
  }
  for (auto* v : {&FRecNos, &FLevels}) v->resize(kept);
  for (auto* v : {&FSelFlags, &FCollapsed, &FKinds}) v->resize(kept);
  if (FQuickTest) FQuickPasses.resize(kept);
  FMatch.assign(kept, -1);
  // Kept items only move towards the front: the old upper bound of the selected span still holds.
  FSelLow = 0;
  AssignVisibility(visible);
  // Removing entries or exits changes which exit matches which entry.
  RebuildMethodIndex();
}

void TQBViewRows::AssignVisibility(const std::vector<uint8_t>& visible) {
  FRows.Assign(visible);
  std::vector<int32_t> types(FRecNos.size());
  for (size_t i = 0; i < types.size(); ++i) types[i] = ItemType(int(i));
  FTypes.Assign(types, visible);
}

int TQBViewRows::DeleteSelected() {
  int lowest = -1;
  {
    TFlagScope clearing(FClearing);
    TQBUpdateGuard update(FList);
    // A selected collapsed method goes with its whole hidden body; any other selected row alone.
    std::vector<uint8_t> remove(FRecNos.size(), 0);
    int row = 0;
    for (int item = NextVisibleItem(0); item >= 0; item = NextVisibleItem(item + 1), ++row) {
      if (!ItemSelected(item)) continue;
      if (lowest < 0) lowest = row;
      const int last = ItemCollapsed(item) ? std::max(item, MatchingExit(item)) : item;
      std::fill(remove.begin() + item, remove.begin() + last + 1, uint8_t(1));
    }
    if (lowest >= 0) RemoveItems(remove);
    FList.SetRowCount(RowCount());
  }
  FList.SetCurrentRow(-1);
  FList.SetCurrentRow(lowest < 0 ? -1 : std::min(RowCount() - 1, lowest));
  FList.SetAnchorRow(FList.CurrentRow());
  return FList.CurrentRow();
}

int TQBViewRows::CropToSelection() {
  // Every item, hidden ones too: a hidden message carries the flag of the collapsed row that shows
  // it, so the kept methods stay whole and nothing kept is left flagged.
  for (uint8_t& flag : FSelFlags) flag ^= 1;
  if (ItemCount() > 0) {
    FSelLow = 0;
    FSelHigh = ItemCount() - 1;
  }
  FList.RepaintAll();
  FList.SetCurrentRow(-1);
  return DeleteSelected();
}

// ---------------------------------------------------------------------------------------------------
// Selection

void TQBViewRows::SetItemFlags(int first, int last, bool value) {
  if (first > last) return;
  std::fill(FSelFlags.begin() + first, FSelFlags.begin() + last + 1, uint8_t(value ? 1 : 0));
  if (value) {
    FSelLow = std::min(FSelLow, first);
    FSelHigh = std::max(FSelHigh, last);
  }
}

void TQBViewRows::SelectRequest(int row, bool selected) {
  if (FClearing) return;
  if (row == -1) {
    if (!FSelFlags.empty()) SetItemFlags(0, ItemCount() - 1, selected);
    return;
  }
  if (row < 0 || row >= RowCount()) return;
  const int item = ItemOfRow(row);
  if (ItemCollapsed(item)) {
    const int exit = MatchingExit(item);
    if (exit >= 0) SetItemFlags(item, exit, selected);
    return;
  }
  SetItemFlag(item, selected);
}

bool TQBViewRows::IsSelectedQuery(int row) const { return row >= 0 && row < RowCount() && IsRowSelected(row); }

void TQBViewRows::SetRowSelected(int row, bool value) {
  const int item = ItemOfRow(row);
  const int exit = ItemCollapsed(item) ? MatchingExit(item) : -1;
  SetItemFlags(item, std::max(item, exit), value);
  FList.RepaintRow(row);
}

int TQBViewRows::SelectedCount() const {
  // Only the span that holds every set flag is walked: selection changes follow each key press, and
  // a walk over the whole view would make every one of them linear in its size.
  int count = 0;
  for (int item = NextVisibleItem(std::max(FSelLow, 0)); item >= 0 && item <= FSelHigh; item = NextVisibleItem(item + 1))
    count += FSelFlags[size_t(item)];
  const int row = CurrentRow();
  if (row >= 0 && row < RowCount() && !IsRowSelected(row)) ++count;
  return count;
}

bool TQBViewRows::GetSelectedRange(int& first, int& last) const {
  first = last = -1;
  for (int item = NextVisibleItem(std::max(FSelLow, 0)); item >= 0 && item <= FSelHigh; item = NextVisibleItem(item + 1))
    if (ItemSelected(item)) {
      if (first < 0) first = ItemRecNo(item);
      last = ItemRecNo(item);
    }
  return first >= 0;
}

void TQBViewRows::ClearSelectionFlags() {
  if (FSelLow <= FSelHigh && FSelLow < ItemCount())
    std::fill(FSelFlags.begin() + FSelLow, FSelFlags.begin() + std::min(FSelHigh + 1, ItemCount()), 0);
  FSelLow = INT_MAX;
  FSelHigh = -1;
}

void TQBViewRows::ClearSelection() {
  ClearSelectionFlags();
  FList.RepaintAll();
}
