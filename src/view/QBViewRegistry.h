#pragma once
// Who keeps track of the views' filter criteria: the organizer knows, per field, the values that some
// view filters on alone, so it never makes a second view for them. A view tells the registry when its
// criteria are about to be replaced, when they have been, and when it goes away; the program installs
// its organizer here once for every view, as the view classes are created by plug-in factories that
// know nothing but the view's owner.

#include <quillbox/QBCustomViewIntf.h>

class IQBViewRegistry {
public:
  virtual ~IQBViewRegistry() = default;
  // The view's current criteria now belong to it.
  virtual void RegisterView(const IQBMessageViewList& view) = 0;
  // The view's current criteria are about to be replaced, or the view is going away.
  virtual void UnregisterView(const IQBMessageViewList& view) = 0;
};

namespace qbviewregistry {

// The registry of every view; null until the program installs one, and then views report to nobody.
void Install(IQBViewRegistry* registry);
IQBViewRegistry* Installed();

void Register(const IQBMessageViewList& view);
void Unregister(const IQBMessageViewList& view);
// Counts the reports, installed registry or not: whoever keeps something derived from the views'
// criteria sees from it that some criteria changed.
uint64_t Generation();

// What a view does when it gets new criteria: the registry forgets the old ones, the view stores the
// new ones (store), and the registry learns them.
template <typename Store>
void ReplaceCriteria(const IQBMessageViewList& view, Store&& store) {
  Unregister(view);
  store();
  Register(view);
}

}  // namespace qbviewregistry
