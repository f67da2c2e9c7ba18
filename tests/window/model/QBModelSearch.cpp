// The model's searches and moves: Find and Find Next, Go to Time, navigation to a kind of message,
// the method moves and the bookmarks. Whatever they open stays open; a search that finds nothing
// leaves the focus and the selection as they were.
#include "window/model/QBWindowModel.h"

#include "model/QBMessageTypes.h"

#include <QRegularExpression>

#include <algorithm>

namespace qbmodel {

namespace {

bool TextMatches(const QString& text, const QString& wanted, bool matchCase, bool expression) {
  if (wanted.isEmpty()) return false;
  if (!expression) return text.contains(wanted, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
  const QRegularExpression re(wanted, matchCase ? QRegularExpression::NoPatternOption
                                                : QRegularExpression::CaseInsensitiveOption);
  return re.match(text).hasMatch();
}

}  // namespace

void TWindowModel::ExpandBefore(TView& v, int item) {
  for (int i = 0; i < item && i < int(v.Items.size()); ++i) v.Collapsed.erase(v.Items[size_t(i)].RecNo);
}

bool TWindowModel::Find(bool fresh) {
  TView& v = View();
  const std::vector<int> rows = Rows(v);
  if (rows.empty()) return true;
  // Nothing matches an empty text: nothing is searched, nothing opens.
  if (FindText.isEmpty()) return false;
  const int row = FocusRow(v);
  const int start = fresh ? (FromCursor ? std::max(row, 0) : 0) : row + 1;
  if (start >= int(rows.size())) return false;
  // Walked in item order: a collapsed method that does not match opens, so its body comes next.
  for (int i = rows[size_t(start)]; i < int(v.Items.size()); ++i) {
    const int recNo = v.Items[size_t(i)].RecNo;
    if (TextMatches(Msg(recNo).Text, FindText, MatchCase, RegularExpression)) {
      SelectRow(RowOf(v, recNo));
      return true;
    }
    v.Collapsed.erase(recNo);
  }
  return false;
}

void TWindowModel::GoToTime(int32_t date, int32_t time) {
  TView& v = View();
  const int count = int(Rows(v).size());
  if (count == 0) return;
  const auto later = [&](const TItem& item) {
    const TMessage& m = Msg(item.RecNo);
    return m.Date > date || (m.Date == date && m.Time >= time);
  };
  const auto it = std::find_if(v.Items.begin(), v.Items.end(), later);
  if (it == v.Items.end()) return SelectRow(count - 1);
  ExpandBefore(v, int(it - v.Items.begin()));
  SelectRow(RowOf(v, it->RecNo));
}

void TWindowModel::GoToMessage(int recNo) {
  TView& v = View();
  const auto it = std::find_if(v.Items.begin(), v.Items.end(), [recNo](const TItem& i) { return i.RecNo >= recNo; });
  ExpandBefore(v, int(it - v.Items.begin()));
  if (it != v.Items.end()) SelectRow(RowOf(v, it->RecNo));
}

void TWindowModel::Navigate(int kind) {
  TView& v = View();
  const std::vector<int> recNos = RowRecNos(v);
  const int count = int(recNos.size()), row = FocusRow(v);
  if (count == 0) return;
  const auto matches = [&](int r) { return TypeMatches(Msg(recNos[size_t(r)]).Type, NavKind); };
  int found = -1;
  const bool forward = kind == 0 || kind == 2;
  int from = kind == 0 ? 0 : kind == 3 ? count - 1 : kind == 2 ? (row < 0 ? 0 : row + 1) : (row < 0 ? count - 1 : std::max(0, row - 1));
  for (int r = from; r >= 0 && r < count && found < 0; r += forward ? 1 : -1)
    if (matches(r)) found = r;
  v.Selected.clear();
  if (found >= 0) SelectRow(found);
}

void TWindowModel::MethodMatch() {
  TView& v = View();
  const std::vector<int> rows = Rows(v);
  const int row = FocusRow(v);
  if (row < 0 || v.Collapsed.count(v.Focus)) return;
  v.Selected.clear();
  const int level = v.Items[size_t(rows[size_t(row)])].Level;
  const bool enter = Msg(v.Focus).Type == qbmEnterMethod;
  const int32_t wanted = enter ? qbmExitMethod : qbmEnterMethod;
  for (int r = row; r >= 0 && r < int(rows.size()); r += enter ? 1 : -1) {
    const TItem& item = v.Items[size_t(rows[size_t(r)])];
    if (Msg(item.RecNo).Type == wanted && item.Level == level) return SelectRow(r);
  }
}

void TWindowModel::CurrentMethod() {
  TView& v = View();
  const std::vector<int> rows = Rows(v);
  const int row = FocusRow(v);
  if (row < 0 || rows.size() < 2) return;
  const int level = v.Items[size_t(rows[size_t(row)])].Level;
  for (int r = row; r >= 0; --r) {
    const TItem& item = v.Items[size_t(rows[size_t(r)])];
    if (Msg(item.RecNo).Type == qbmEnterMethod && item.Level < level) return SelectRow(r);
  }
}

void TWindowModel::ToggleBookmark(int n) {
  TView& v = View();
  if (v.Focus < 0) return;
  int& mark = v.Bookmarks[size_t(n)];
  mark = mark == v.Focus ? -1 : v.Focus;
}

void TWindowModel::JumpToBookmark(int n) {
  if (View().Bookmarks[size_t(n)] >= 0) GoToMessage(View().Bookmarks[size_t(n)]);
}

}  // namespace qbmodel
