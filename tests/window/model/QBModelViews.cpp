// The model's views and projects: New View, Modify View, Remove View, Remove All Views, Organize, and
// Save, Close and Open Project. One filter gives one set of rows however the view was made.
#include "window/model/QBWindowModel.h"

#include <algorithm>

namespace qbmodel {

void TWindowModel::NewView(const QString& name, const TFilter& filter) {
  Views.emplace_back(name, filter);
  Fill(Views.back());
  Current = int(Views.size()) - 1;
  ProjectModified = true;
}

void TWindowModel::ModifyView(const TFilter& filter) {
  TView& v = View();
  const TView before = v;
  v.Filter = filter;
  Fill(v);
  // The focused message, the selection and the anchor survive as far as they are still rows.
  v.Focus = before.Focus;
  v.Selected = before.Selected;
  v.Anchor = before.Anchor;
  const std::vector<int> recNos = RowRecNos(v);
  const auto shown = [&](int recNo) { return std::find(recNos.begin(), recNos.end(), recNo) != recNos.end(); };
  if (!shown(v.Focus)) v.Focus = -1;
  if (!shown(v.Anchor)) v.Anchor = v.Focus;
  std::erase_if(v.Selected, [&](int recNo) { return !shown(recNo); });
  ProjectModified = true;
}

void TWindowModel::RemoveView() {
  Views.erase(Views.begin() + Current);
  Current = std::min(Current, int(Views.size()) - 1);
  ProjectModified = true;
}

void TWindowModel::RemoveAllViews() {
  if (Views.size() <= 1) return;
  Views.resize(1, Views.front());
  Current = 0;
  ProjectModified = true;
}

void TWindowModel::Organize(TOrganizeField field) {
  const int first = int(Views.size());
  for (const TMessage& m : Store) {
    const QString& value = field == TOrganizeField::App ? m.App : m.Thread;
    if (value.isEmpty()) continue;
    const bool owned = std::any_of(Views.begin(), Views.end(),
                                   [&](const TView& v) { return v.Filter.OwnsValue(int(field), value); });
    if (owned) continue;
    TFilter filter;
    (field == TOrganizeField::App ? filter.App : filter.Thread) = value;
    Views.emplace_back(field == TOrganizeField::App ? value : QStringLiteral("Thread ") + value, filter);
  }
  for (int i = first; i < int(Views.size()); ++i) Fill(Views[size_t(i)]);
  if (int(Views.size()) > first) {
    Current = int(Views.size()) - 1;
    ProjectModified = true;
  }
}

bool TWindowModel::SaveProject(const QString& path) {
  std::vector<TProjectView>& saved = Projects[path];
  saved.clear();
  for (size_t i = 1; i < Views.size(); ++i) saved.push_back({Views[i].Name, Views[i].Filter});
  Project = path;
  ProjectModified = false;
  return true;
}

void TWindowModel::CloseProject() {
  RemoveAllViews();
  Project.clear();
  ProjectModified = false;
}

void TWindowModel::OpenProject(const QString& path) {
  RemoveAllViews();
  for (const TProjectView& p : Projects[path]) {
    Views.emplace_back(p.Name, p.Filter);
    Fill(Views.back());
  }
  Current = 0;
  Project = path;
  ProjectModified = false;
}

}  // namespace qbmodel
