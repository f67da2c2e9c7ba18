#include "window/model/QBWindowModel.h"

#include "model/QBMessageTypes.h"

#include <algorithm>

namespace qbmodel {

// ---------------------------------------------------------------------------------------------------
// Filters

bool TFilter::Accepts(const TMessage& m) const {
  if (!App.isEmpty() && App.compare(m.App, Qt::CaseInsensitive) != 0) return false;
  if (!Thread.isEmpty() && Thread.compare(m.Thread, Qt::CaseInsensitive) != 0) return false;
  return Types.empty() || std::find(Types.begin(), Types.end(), m.Type) != Types.end();
}

TQBFilterCriteria TFilter::Criteria() const {
  TQBFilterCriteria c;
  c.CheckAppName = !App.isEmpty(), c.AppName = App;
  c.CheckThreadName = !Thread.isEmpty(), c.ThreadName = Thread;
  c.CheckMsgTypes = !Types.empty();
  for (int32_t t : Types) c.MsgTypes.set(size_t(t));
  return c;
}

bool TFilter::OwnsValue(int field, const QString& value) const {
  // Exactly one name field checked; the type set does not count.
  if (App.isEmpty() == Thread.isEmpty()) return false;
  const QString& own = field == int(TOrganizeField::App) ? App : Thread;
  return own.compare(value, Qt::CaseInsensitive) == 0;
}

// ---------------------------------------------------------------------------------------------------
// Rows

std::vector<int> TWindowModel::MatchingExits(const TView& v) const {
  std::vector<int> exits(v.Items.size(), -1), open;
  for (int i = 0; i < int(v.Items.size()); ++i) {
    const int32_t type = Msg(v.Items[size_t(i)].RecNo).Type;
    if (type == qbmEnterMethod) open.push_back(i);
    if (type == qbmExitMethod && !open.empty()) {
      exits[size_t(open.back())] = i;
      open.pop_back();
    }
  }
  return exits;
}

std::vector<int> TWindowModel::Rows(const TView& v) const {
  const std::vector<int> exits = MatchingExits(v);
  std::vector<int> rows;
  for (int i = 0; i < int(v.Items.size());) {
    rows.push_back(i);
    const bool hides = v.Collapsed.count(v.Items[size_t(i)].RecNo) && exits[size_t(i)] >= 0;
    i = hides ? exits[size_t(i)] + 1 : i + 1;
  }
  return rows;
}

std::vector<int> TWindowModel::RowRecNos(const TView& v) const {
  std::vector<int> recNos;
  for (int item : Rows(v)) recNos.push_back(v.Items[size_t(item)].RecNo);
  return recNos;
}

int TWindowModel::RowOf(const TView& v, int recNo) const {
  if (recNo < 0) return -1;
  const std::vector<int> recNos = RowRecNos(v);
  const auto it = std::find(recNos.begin(), recNos.end(), recNo);
  return it == recNos.end() ? -1 : int(it - recNos.begin());
}

int TWindowModel::ItemOf(const TView& v, int recNo) const {
  for (int i = 0; i < int(v.Items.size()); ++i)
    if (v.Items[size_t(i)].RecNo == recNo) return i;
  return -1;
}

std::set<int> TWindowModel::SelectedWithBodies(const TView& v) const {
  const std::vector<int> exits = MatchingExits(v);
  std::set<int> flagged;
  for (int item : Rows(v)) {
    const int recNo = v.Items[size_t(item)].RecNo;
    if (!v.Selected.count(recNo)) continue;
    const int last = v.Collapsed.count(recNo) && exits[size_t(item)] >= 0 ? exits[size_t(item)] : item;
    for (int i = item; i <= last; ++i) flagged.insert(v.Items[size_t(i)].RecNo);
  }
  return flagged;
}

int TWindowModel::SelectedCount(const TView& v) const {
  return int(v.Selected.size()) + (v.Focus != -1 && !v.Selected.count(v.Focus) ? 1 : 0);
}

bool TWindowModel::HasKindBefore(const TView& v) const {
  const std::vector<int> recNos = RowRecNos(v);
  const int row = RowOf(v, v.Focus);
  for (int r = 0; r < row; ++r)
    if (TypeMatches(Msg(recNos[size_t(r)]).Type, NavKind)) return true;
  return false;
}

bool TWindowModel::HasKindAfter(const TView& v) const {
  const std::vector<int> recNos = RowRecNos(v);
  const int row = RowOf(v, v.Focus);
  if (row < 0) return false;
  for (int r = row + 1; r < int(recNos.size()); ++r)
    if (TypeMatches(Msg(recNos[size_t(r)]).Type, NavKind)) return true;
  return false;
}

// ---------------------------------------------------------------------------------------------------
// Messages arriving

void TWindowModel::AppendItem(TView& v, int recNo) {
  const int32_t type = Msg(recNo).Type;
  // An enter row and its exit row share a level; what lies between is one deeper.
  int level = v.Depth;
  if (type == qbmEnterMethod) ++v.Depth;
  if (type == qbmExitMethod) level = v.Depth = std::max(0, v.Depth - 1);
  // An empty method shows as one collapsed row when Auto-Collapse is on, however the view was filled.
  if (AutoCollapse && type == qbmExitMethod) {
    const std::vector<int> rows = Rows(v);
    if (!rows.empty()) {
      const int last = v.Items[size_t(rows.back())].RecNo;
      if (Msg(last).Type == qbmEnterMethod && !v.Collapsed.count(last)) v.Collapsed.insert(last);
    }
  }
  v.Items.push_back({recNo, level});
}

int TWindowModel::AddMessage(const TMessage& m) {
  Store.push_back(m);
  const int recNo = int(Store.size());
  for (TView& v : Views)
    if (v.Filter.Accepts(m)) AppendItem(v, recNo);
  return recNo;
}

void TWindowModel::EmptyView(TView& v) {
  v.Items.clear();
  v.Collapsed.clear();
  v.Depth = 0;
  v.Focus = v.Anchor = -1;
  v.Selected.clear();
  v.Bookmarks.fill(-1);
}

void TWindowModel::Fill(TView& v) {
  const TView before = v;
  EmptyView(v);
  v.Anchor = before.Anchor;
  for (int recNo = 1; recNo <= int(Store.size()); ++recNo)
    if (v.Filter.Accepts(Msg(recNo))) AppendItem(v, recNo);
}

void TWindowModel::Load(const QString& path) {
  Store = Files[path];
  for (TView& v : Views) {
    Fill(v);
    v.Anchor = -1;
  }
  CurrentFile = path;
  LogModified = false;
}

void TWindowModel::Append(const QString& path) {
  for (const TMessage& m : Files[path]) AddMessage(m);
  // The appended file becomes the current one, as after a load.
  CurrentFile = path;
  LogModified = false;
}

}  // namespace qbmodel
