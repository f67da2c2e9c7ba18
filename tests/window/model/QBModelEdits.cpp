// The model's edits: Delete, Crop to Selection, Clear, Edit Message, Add Note, Copy, Save, and the
// messages Follow Log File reads.
#include "window/model/QBWindowModel.h"

#include "model/QBMessageTypes.h"

#include <algorithm>

namespace qbmodel {

void TWindowModel::RemoveItems(TView& v, const std::set<int>& recNos) {
  std::erase_if(v.Items, [&](const TItem& item) { return recNos.count(item.RecNo) > 0; });
  for (int recNo : recNos) v.Collapsed.erase(recNo);
}

// After Delete and Crop: the row now where the first removed row was becomes current, alone
// selected, and the anchor; when nothing was removed no row is current.
void TWindowModel::AfterRemoval(TView& v, int lowestRow) {
  const std::vector<int> recNos = RowRecNos(v);
  v.Selected.clear();
  v.Focus = lowestRow < 0 || recNos.empty() ? -1 : recNos[size_t(std::min(int(recNos.size()) - 1, lowestRow))];
  if (v.Focus != -1) v.Selected.insert(v.Focus);
  v.Anchor = v.Focus;
}

void TWindowModel::Delete() {
  TView& v = View();
  const std::vector<int> recNos = RowRecNos(v);
  const auto first = std::find_if(recNos.begin(), recNos.end(), [&](int r) { return v.Selected.count(r) > 0; });
  RemoveItems(v, SelectedWithBodies(v));
  AfterRemoval(v, first == recNos.end() ? -1 : int(first - recNos.begin()));
  LogModified = true;
}

void TWindowModel::Crop() {
  TView& v = View();
  // The focused row counts as selected: it stays.
  TView others = v;
  const std::vector<int> recNos = RowRecNos(v);
  others.Selected.clear();
  int lowest = -1;
  for (int r = 0; r < int(recNos.size()); ++r) {
    if (v.Selected.count(recNos[size_t(r)]) || recNos[size_t(r)] == v.Focus) continue;
    others.Selected.insert(recNos[size_t(r)]);
    if (lowest < 0) lowest = r;
  }
  RemoveItems(v, SelectedWithBodies(others));
  AfterRemoval(v, lowest);
}

void TWindowModel::Clear(bool all) {
  if (Views.size() > 1 && !all) return EmptyView(View());
  Store.clear();
  for (TView& v : Views) EmptyView(v);
  LogModified = false;
  CurrentFile.clear();
}

void TWindowModel::EditFocused(const QString& text) {
  const TView& v = View();
  if (v.Focus < 0) return;
  TMessage& m = Store[size_t(v.Focus - 1)];
  if (m.Type == qbmSeparator || m.Type == qbmInactiveSeparator || m.Text == text) return;
  m.Text = text;
  LogModified = true;
}

void TWindowModel::AddNote(const TMessage& note, const std::optional<QString>& edited) {
  AddMessage(note);
  LogModified = true;
  const std::vector<int> recNos = RowRecNos(View());
  if (recNos.empty()) return;
  if (recNos.back() != View().Focus) SetCurrentRow(int(recNos.size()) - 1);
  if (edited) EditFocused(*edited);
}

std::optional<QString> TWindowModel::ClipboardText() const {
  const TView& v = View();
  const std::set<int> flagged = SelectedWithBodies(v);
  QStringList lines;
  for (const TItem& item : v.Items)
    if (flagged.count(item.RecNo)) lines << QString(2 * item.Level, u' ') + Msg(item.RecNo).Text;
  if (lines.isEmpty()) return std::nullopt;
  if (lines.size() == 1) return lines.front().trimmed();
  return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void TWindowModel::Save(const QString& path) {
  std::vector<TMessage>& file = Files[path];
  file.clear();
  for (const TItem& item : View().Items) file.push_back(Msg(item.RecNo));
  LogModified = false;
}

bool TWindowModel::FollowsEnd() const {
  const int rows = int(Rows(View()).size());
  return rows > 0 ? FocusRow(View()) == rows - 1 : EndAfterReload;
}

void TWindowModel::FollowAppended(const std::vector<TMessage>& added) {
  const int rows = int(Rows(View()).size());
  const bool atEnd = FollowsEnd();
  for (const TMessage& m : added) AddMessage(m);
  // Like `tail -f`: a view that showed its last row keeps showing the last row.
  const int now = int(Rows(View()).size());
  if (atEnd && now > rows) {
    SetCurrentRow(now - 1);
    EndAfterReload = false;
  }
}

void TWindowModel::FollowReload() {
  const bool atEnd = FollowsEnd();
  Load(CurrentFile);
  const int now = int(Rows(View()).size());
  // A file cut to nothing is still followed: the first records that arrive make their last row current.
  EndAfterReload = atEnd && now == 0;
  if (atEnd && now > 0) MoveTo(now - 1);
}

}  // namespace qbmodel
