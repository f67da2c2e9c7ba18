#pragma once
// The window's views as the organizer sees them, made of the view core over a store: each organized
// view the organizer asks for is made at once, kept in order and told apart by its name.

#include "shell/QBOrganizer.h"
#include "view/QBHeadlessView.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace qbtest {

class TOrganizedViews : public IQBOrganizerViews {
public:
  explicit TOrganizedViews(TQuillboxMessageSet& set) : FSet(set) {}

  TQBOrganizedView CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) override {
    ++Attempts;
    if (Fail) return {};
    auto view = std::make_unique<TQBHeadlessView>(FSet);
    view->SetViewName(name);
    view->SetFilterCriteria(criteria);
    Views.push_back(std::move(view));
    return {Views.back().get(), Views.back().get()};
  }
  void ShowOrganizedView(const TQBOrganizedView& view) override { Shown = view.View; }

  QStringList Names() const {
    QStringList names;
    for (const auto& v : Views) names << v->GetViewName();
    return names;
  }

  std::vector<std::unique_ptr<TQBHeadlessView>> Views;
  IQBMessageView* Shown = nullptr;
  // Fail: no view can be made, as when the window has no view class.
  bool Fail = false;
  int Attempts = 0;

protected:
  TQuillboxMessageSet& FSet;
};

}  // namespace qbtest
