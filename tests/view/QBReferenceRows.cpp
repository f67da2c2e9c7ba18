#include "QBReferenceRows.h"

#include "view/QBFilterMatcher.h"

#include <algorithm>

void TQBReferenceRows::AppendCurrentMessage() {
  int t = FSet.GetMsgType();
  int level;
  if (t == 9) {
    level = Depth;
    ++Depth;
  } else if (t == 10 || t == 43) {
    Depth = std::max(0, Depth - 1);
    level = Depth;
  } else {
    level = Depth;
  }
  bool collapseOnExit = false;
  if (t == 43) {
    FSet.SetMsgType(10);
    collapseOnExit = true;
  }
  Items.push_back({FSet.RecNo(), false});
  Rows.push_back(int(Items.size()) - 1);
  Levels.push_back(level);
  SelFlags.push_back(0);
  FList.SetRowCount(int(Rows.size()));
  const int r = int(Rows.size()) - 1;
  if (collapseOnExit && Rows.size() > 1) {
    CollapseClosedMethod(r);
  } else if (FAutoCollapse && t == 10 && Rows.size() > 1 && RowType(r - 1) == 9 &&
             !Items[size_t(Rows[size_t(r - 1)])].Collapsed) {
    CollapseMethod(r - 1);
  }
}

int TQBReferenceRows::FindMatchingExit(int p) const {
  int counter = 1;
  for (int i = p + 1; i < int(Items.size()); ++i) {
    if (Type(i) == 9) ++counter;
    if (Type(i) == 10) --counter;
    if (counter == 0) return i;
  }
  return -1;
}

void TQBReferenceRows::CollapseMethod(int r) {
  const TPlace place = FocusedPlace();
  const int p = Rows[size_t(r)];
  if (Type(p) != 9) return;  // only entries collapse
  const int e = FindMatchingExit(p);
  if (e < 0) return;
  FList.BeginUpdate();
  size_t end = size_t(r) + 1;
  while (end < Rows.size() && Rows[end] <= e) ++end;
  Rows.erase(Rows.begin() + r + 1, Rows.begin() + std::ptrdiff_t(end));
  FList.SetRowCount(int(Rows.size()));
  Items[size_t(p)].Collapsed = true;
  // The hidden messages take the collapsed row's selection.
  std::fill(SelFlags.begin() + p + 1, SelFlags.begin() + e + 1, SelFlags[size_t(p)]);
  FList.EndUpdate();
  KeepFocus(place);
}

void TQBReferenceRows::OpenMethod(int r) {
  const int p = Rows[size_t(r)];
  Items[size_t(p)].Collapsed = false;
  const int e = FindMatchingExit(p);
  if (e < 0) return;
  int count = 0;
  int i = p + 1;
  do {
    Rows.insert(Rows.begin() + r + 1 + count, i);
    ++count;
    i = Items[size_t(i)].Collapsed ? FindMatchingExit(i) + 1 : i + 1;
  } while (i <= e);
  // A selected collapsed row's body was selected with it; as rows of their own, they were not chosen.
  if (SelFlags[size_t(p)]) std::fill(SelFlags.begin() + p + 1, SelFlags.begin() + e + 1, 0);
  FList.SetRowCount(int(Rows.size()));
}

void TQBReferenceRows::ExpandMethod(int r) {
  const TPlace place = FocusedPlace();
  ClearSelection();
  OpenMethod(r);
  SelFlags[size_t(Rows[size_t(r)])] = 1;
  KeepFocus(place);
}

int TQBReferenceRows::ClosedMethodStart(int r) const {
  const int l = Levels[size_t(Rows[size_t(r)])];
  for (int s = r; s >= 0; --s) {
    const int item = Rows[size_t(s)];
    const int t = Type(item);
    if (Levels[size_t(item)] != l) continue;
    if ((s != r && t == 10) || (t == 9 && Items[size_t(item)].Collapsed)) return -1;
    if (t == 9) return s;
  }
  return -1;
}

bool TQBReferenceRows::CollapseClosedMethod(int r) {
  const int s = ClosedMethodStart(r);
  if (s < 0) return false;
  // The focus goes to the entry only when no row is focused or the collapse hides the focused one.
  const int p = Rows[size_t(s)];
  const int e = FindMatchingExit(p);
  const int current = FList.CurrentRow();
  const int focused = current >= 0 && current < int(Rows.size()) ? Rows[size_t(current)] : -1;
  if (focused < 0 || (focused > p && focused <= e)) FList.SetCurrentRow(s);
  CollapseMethod(s);
  return FindMatchingExit(Rows[size_t(s)]) >= 0;
}

void TQBReferenceRows::ToggleCurrentMethod() {
  const int r = FList.CurrentRow();
  if (r < 0) return;
  const int t = RowType(r);
  if (t == 9) {
    if (Items[size_t(Rows[size_t(r)])].Collapsed)
      ExpandMethod(r);
    else
      CollapseMethod(r);
  } else if (t == 10) {
    CollapseClosedMethod(r);
  }
}

TQBReferenceRows::TPlace TQBReferenceRows::FocusedPlace() const {
  const int r = FList.CurrentRow();
  if (r < 0 || r >= int(Rows.size())) return {};
  return {Rows[size_t(r)], std::clamp(r - FList.TopRow(), 0, FList.PageRows() - 1)};
}

int TQBReferenceRows::RowShowing(int item) const {
  // The item's own row, else the last row above it: the enter row of the collapsed method hiding it.
  int row = 0;
  for (int r = 0; r < int(Rows.size()) && Rows[size_t(r)] <= item; ++r) row = r;
  return row;
}

void TQBReferenceRows::RestorePlace(const TPlace& place) {
  ClearSelection();
  if (place.Item < 0 || Rows.empty()) return;
  const int row = RowShowing(place.Item);
  SelectRequest(row, true);
  FList.RelocateCurrentRow(row, std::max(0, row - place.Offset));
}

void TQBReferenceRows::KeepFocus(const TPlace& place) {
  if (place.Item < 0 || Rows.empty()) return;
  const int row = RowShowing(place.Item);
  if (row != FList.CurrentRow()) FList.RelocateCurrentRow(row, std::max(0, row - place.Offset));
}

void TQBReferenceRows::ExpandAll(bool fromStart) {
  const TPlace place = FocusedPlace();
  for (int i = fromStart ? 0 : std::max(0, FList.CurrentRow()); i < int(Rows.size()); ++i)
    if (Items[size_t(Rows[size_t(i)])].Collapsed && RowType(i) == 9) ExpandMethod(i);
  RestorePlace(place);
}

void TQBReferenceRows::CollapseAll() {
  const TPlace place = FocusedPlace();
  // Rows of the entries not yet closed: an exit closes the last one, and it collapses when that is
  // the exit FindMatchingExit gives it; collapsing goes on after its row.
  std::vector<int> open;
  int i = 0;
  while (i < int(Rows.size())) {
    const int item = Rows[size_t(i)];
    if (Type(item) == 9) {
      if (Items[size_t(item)].Collapsed) ExpandMethod(i);
      open.push_back(i++);
    } else if (Type(item) == 10 && !open.empty()) {
      const int s = open.back();
      open.pop_back();
      if (FindMatchingExit(Rows[size_t(s)]) == item) {
        CollapseMethod(s);
        i = s + 1;
      } else {
        ++i;
      }
    } else {
      ++i;
    }
  }
  RestorePlace(place);
}

int TQBReferenceRows::DeleteSelected() {
  Clearing = true;
  FList.BeginUpdate();
  int lowest = -1;
  for (int r = int(Rows.size()) - 1; r >= 0; --r) {
    if (SelFlags[size_t(Rows[size_t(r)])] != 1) continue;
    const int p = Rows[size_t(r)];
    const int last = Items[size_t(p)].Collapsed ? FindMatchingExit(p) : p;
    const int removed = last - p + 1;
    Items.erase(Items.begin() + p, Items.begin() + last + 1);
    Levels.erase(Levels.begin() + p, Levels.begin() + last + 1);
    SelFlags.erase(SelFlags.begin() + p, SelFlags.begin() + last + 1);
    Rows.erase(Rows.begin() + r);
    for (size_t j = size_t(r); j < Rows.size(); ++j) Rows[j] -= removed;
    lowest = r;
  }
  FList.SetRowCount(int(Rows.size()));
  FList.EndUpdate();
  Clearing = false;
  FList.SetCurrentRow(-1);
  FList.SetCurrentRow(lowest < 0 ? -1 : std::min(int(Rows.size()) - 1, lowest));
  FList.SetAnchorRow(FList.CurrentRow());
  return FList.CurrentRow();
}

int TQBReferenceRows::CropToSelection() {
  // Hidden messages too: they carry the flag of the row that shows them.
  for (int& flag : SelFlags) flag = flag ? 0 : 1;
  FList.SetCurrentRow(-1);
  return DeleteSelected();
}

int TQBReferenceRows::MethodSize(int r) const {
  const int p = Rows[size_t(r)];
  if (Type(p) != 9) return 0;
  const int e = FindMatchingExit(p);
  return e < 0 ? 0 : e - p - 1;
}

void TQBReferenceRows::SelectRow(int r) {
  if (Rows.empty()) return;
  r = std::clamp(r, 0, int(Rows.size()) - 1);
  ClearSelection();
  SelectRequest(r, true);
  if (FList.CurrentRow() == r) FList.SetCurrentRow(-1);
  FList.SetCurrentRow(r);
  const int top = r - FList.PageRows() / 2 + 1;
  if (top >= 0) FList.SetTopRow(top);
}

void TQBReferenceRows::GoToMessage(int recNo) {
  const TPlace place = FocusedPlace();
  for (int r = 0; r < int(Rows.size()); ++r) {
    const int item = Rows[size_t(r)];
    if (Items[size_t(item)].RecNo >= recNo) {
      SelectRow(r);
      return;
    }
    if (Items[size_t(item)].Collapsed && Type(item) == 9) OpenMethod(r);
  }
  KeepFocus(place);
}

int TQBReferenceRows::FindTextForward(int start, const QByteArray& upperNeedle) {
  const TPlace place = FocusedPlace();
  for (int r = start; r < int(Rows.size()); ++r) {
    const int item = Rows[size_t(r)];
    if (qbfilter::ContainsAsciiFolded(FSet.At(Items[size_t(item)].RecNo).MsgTextUtf8(), upperNeedle)) {
      SelectRow(r);
      return r;
    }
    if (Items[size_t(item)].Collapsed && Type(item) == 9) OpenMethod(r);
  }
  KeepFocus(place);
  return -1;
}

void TQBReferenceRows::SelectRequest(int row, bool selected) {
  if (Clearing) return;
  const int v = selected ? 1 : 0;
  if (row == -1) {
    std::fill(SelFlags.begin(), SelFlags.end(), v);
    return;
  }
  if (row < 0 || row >= int(Rows.size())) return;
  const int p = Rows[size_t(row)];
  if (Items[size_t(p)].Collapsed) {
    const int e = FindMatchingExit(p);
    if (e >= 0) std::fill(SelFlags.begin() + p, SelFlags.begin() + e + 1, v);
    return;
  }
  SelFlags[size_t(p)] = v;
}
