#pragma once
// The view that Enter in the quick filter makes: the current view's criteria with the typed text as
// the text criterion, named by the auto-name rules, of the current view's class. The view filter's
// text criterion is the plain search in the message text, so what it cannot keep (Match case, Regular
// expression, the details, the exclusions, the part of a text past its stored length) is named in the
// note the status bar shows.

#include "shell/QBViewManager.h"
#include "view/QBQuickFilter.h"

#include <optional>

struct TQBQuickFilterViewPlan {
  TQBNewView View;
  QString Note;  // empty when the view admits exactly what the quick filter showed
};

namespace qbquick {

// None when the quick filter has no text to filter by.
std::optional<TQBQuickFilterViewPlan> PlanNewView(const TQBFilterCriteria& current, const QString& className,
                                                  const TQBQuickFilterSpec& spec);

}  // namespace qbquick
