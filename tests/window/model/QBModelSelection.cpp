// The model's focus and selection: the list's keys and clicks, the program's moves, and the method
// commands that open and close rows around the focused one.
#include "window/model/QBWindowModel.h"

#include "model/QBMessageTypes.h"

#include <QtGlobal>

#include <algorithm>

namespace qbmodel {

void TWindowModel::MoveTo(int row) {
  TView& v = View();
  const int recNo = RowRecNos(v)[size_t(row)];
  v.Selected = {recNo};
  v.Focus = v.Anchor = recNo;
}

void TWindowModel::SelectRow(int row) {
  const std::vector<int> recNos = RowRecNos(View());
  if (recNos.empty()) return;
  MoveTo(std::clamp(row, 0, int(recNos.size()) - 1));
}

void TWindowModel::SetCurrentRow(int row) {
  TView& v = View();
  v.Selected.erase(v.Focus);
  v.Focus = v.Anchor = RowRecNos(v)[size_t(row)];
  v.Selected.insert(v.Focus);
}

void TWindowModel::ExtendTo(int row) {
  TView& v = View();
  const std::vector<int> recNos = RowRecNos(v);
  if (recNos.empty()) return;
  row = std::clamp(row, 0, int(recNos.size()) - 1);
  const int anchor = std::max(0, RowOf(v, v.Anchor));
  v.Selected.clear();
  for (int r = std::min(anchor, row); r <= std::max(anchor, row); ++r) v.Selected.insert(recNos[size_t(r)]);
  v.Focus = recNos[size_t(row)];
}

void TWindowModel::Key(int key, bool shift, bool control) {
  const int count = int(Rows(View()).size());
  if (count == 0) return;
  const int row = FocusRow(View()), last = count - 1, page = PageRows;
  if (shift) {
    if (key == Qt::Key_Up) ExtendTo(row - 1);
    if (key == Qt::Key_Down) ExtendTo(row + 1);
    if (key == Qt::Key_PageDown) ExtendTo(row + page - 1);
    if (key == Qt::Key_Home && row > 0) ExtendTo(0);
    if (key == Qt::Key_End && row < last) ExtendTo(last);
    return;
  }
  if (control) {
    if (key == Qt::Key_Home && row != 0) MoveTo(0);
    if (key == Qt::Key_End && row != last) MoveTo(last);
    return;
  }
  int target = row;
  if (key == Qt::Key_Up && row > 0) target = row - 1;
  if (key == Qt::Key_Down && row < last) target = row + 1;
  if (key == Qt::Key_PageDown) target = page == 1 ? std::min(row + 1, last) : last - page + 1 >= row ? row + page - 1 : last;
  if (key == Qt::Key_PageUp) target = std::max(0, page == 1 ? row - 1 : row - page + 1);
  // Home and End scroll sideways only.
  if (target != row) MoveTo(target);
}

void TWindowModel::CtrlClick(int row) {
  TView& v = View();
  const int recNo = RowRecNos(v)[size_t(row)];
  if (!v.Selected.erase(recNo)) v.Selected.insert(recNo);
  v.Focus = v.Anchor = recNo;
}

void TWindowModel::SelectAll() {
  TView& v = View();
  const std::vector<int> recNos = RowRecNos(v);
  v.Selected = std::set<int>(recNos.begin(), recNos.end());
}

// A focused message or an anchor that a collapse hid is represented by the entry row hiding it; a
// selected row that went out of sight leaves the selection.
void TWindowModel::KeepVisibleSelection(TView& v) {
  const std::vector<int> recNos = RowRecNos(v);
  const auto showing = [&](int recNo) {
    if (recNo < 0) return recNo;
    int shown = -1;
    for (int r : recNos)
      if (r <= recNo) shown = r;
    return shown;
  };
  v.Focus = showing(v.Focus);
  v.Anchor = showing(v.Anchor);
  std::set<int> kept;
  for (int recNo : v.Selected)
    if (std::find(recNos.begin(), recNos.end(), recNo) != recNos.end()) kept.insert(recNo);
  v.Selected = kept;
}

void TWindowModel::ExpandAll(bool fromStart) {
  TView& v = View();
  const int from = fromStart ? 0 : ItemOf(v, v.Focus);
  for (int i = std::max(0, from); i < int(v.Items.size()); ++i) v.Collapsed.erase(v.Items[size_t(i)].RecNo);
  // The focused message stays focused, alone selected, and becomes the anchor.
  v.Selected = {v.Focus};
  v.Anchor = v.Focus;
}

void TWindowModel::CollapseAll() {
  TView& v = View();
  const std::vector<int> exits = MatchingExits(v);
  for (int i = 0; i < int(v.Items.size()); ++i)
    if (exits[size_t(i)] >= 0) v.Collapsed.insert(v.Items[size_t(i)].RecNo);
  KeepVisibleSelection(v);
  v.Selected = {v.Focus};
  v.Anchor = v.Focus;
}

void TWindowModel::ToggleMethod() {
  TView& v = View();
  const int item = ItemOf(v, v.Focus);
  if (item < 0) return;
  const std::vector<int> exits = MatchingExits(v);
  const int32_t type = Msg(v.Focus).Type;
  if (type == qbmEnterMethod && v.Collapsed.count(v.Focus)) {
    // Opening a method selects its entry row alone.
    v.Collapsed.erase(v.Focus);
    v.Selected = {v.Focus};
    return;
  }
  if (type == qbmEnterMethod) {
    if (exits[size_t(item)] >= 0) v.Collapsed.insert(v.Focus);
    KeepVisibleSelection(v);
    return;
  }
  if (type != qbmExitMethod) return;
  // An exit row closes its method: the entry row becomes the current row.
  const auto enter = std::find(exits.begin(), exits.end(), item);
  if (enter == exits.end()) return;
  SetCurrentRow(RowOf(v, v.Items[size_t(enter - exits.begin())].RecNo));
  v.Collapsed.insert(v.Focus);
  KeepVisibleSelection(v);
}

}  // namespace qbmodel
