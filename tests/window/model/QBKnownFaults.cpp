#include "window/model/QBKnownFaults.h"

#include <algorithm>

namespace qbmodel {

namespace {

using S = TStepKind;

const TKnownFault kFaults[] = {
    {"find-not-found",
     "a search that finds nothing opens methods above the focused row and keeps the row index, so "
     "another message is focused and selected (issue 20, fault 2)",
     {S::Find, S::FindMissing, S::FindPattern, S::FindNext},
     {"focus", "selection", "status", "commands"}},
    {"follow-reload",
     "after Follow Log File loads a cut or replaced file again no row is current and the view no "
     "longer follows the end (issue 20)",
     {S::FollowRotate},
     {"focus", "selection", "status", "commands"}},
    {"filter-change",
     "Modify View fills the view again without its focused row and selection (issue 20, fault 2)",
     {S::ModifyView},
     {"focus", "selection", "status", "commands"}},
    {"new-view-auto-collapse",
     "New View fills the view without Auto-Collapse, so an empty method shows as two rows where a "
     "project or the organizer shows one (issue 20)",
     {S::NewView},
     {"rows"}},
    {"anchor",
     "a Shift-extension starts from the old anchor after Jump, Find, Go to Time, navigation or a "
     "collapse instead of the row the program moved to (issue 20, fault 3)",
     {S::ShiftUp, S::ShiftDown, S::ShiftPageDown, S::ShiftHome, S::ShiftCtrlEnd, S::ShiftClick},
     {"selection", "hidden selection"}},
    {"hidden-selection",
     "a collapse leaves the hidden rows of the method selected, and a collapsed method the program "
     "selects (Collapse All, Toggle Method, a search or jump landing on it) does not take its hidden "
     "body, so Copy takes other messages than Delete removes (issue 20, fault 2)",
     {},
     {"hidden selection"}},
};

}  // namespace

const TKnownFault* MatchKnownFault(TStepKind kind, const QString& invariant) {
  if (!kKnownFaultsOpen) return nullptr;
  for (const TKnownFault& f : kFaults) {
    // A fault without steps shows at any step.
    const bool step = f.Steps.size() == 0 || std::find(f.Steps.begin(), f.Steps.end(), kind) != f.Steps.end();
    const bool broken = std::any_of(f.Invariants.begin(), f.Invariants.end(),
                                    [&](const char* name) { return invariant == QLatin1String(name); });
    if (step && broken) return &f;
  }
  return nullptr;
}

}  // namespace qbmodel
