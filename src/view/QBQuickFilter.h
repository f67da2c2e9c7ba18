#pragma once
// The quick filter above the message list: the typed text narrows the current view to the messages
// that match it, and each exclusion hides the messages that match it.
//
// It runs as the user types and must never hold up the next key: the view's items are tested a slice
// at a time (TQBItemScan) and the rows change only when a scan is complete, in one step. A newer text
// cancels the unfinished scan. A text that only narrows the last one applied (the same options, the
// same exclusions, a longer plain text that contains the shorter) tests only the items that passed:
// typing a word letter by letter costs one full scan, then ever smaller ones.

#include "view/QBItemScan.h"
#include "view/QBTextPattern.h"
#include "view/QBViewRows.h"

#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// One text to match, with the find dialog's options, in the message text (and the details).
struct TQBQuickTerm {
  QString Text;
  TQBSearchOptions Options;
  bool InDetails = false;
  friend bool operator==(const TQBQuickTerm&, const TQBQuickTerm&) = default;
};

// What the quick filter admits: the messages that match Include (any message when its text is empty)
// and match none of Excludes.
struct TQBQuickFilterSpec {
  TQBQuickTerm Include;
  std::vector<TQBQuickTerm> Excludes;
  bool IsEmpty() const;
  friend bool operator==(const TQBQuickFilterSpec&, const TQBQuickFilterSpec&) = default;
};

class TQBQuickMatcher {
public:
  explicit TQBQuickMatcher(const TQBQuickFilterSpec& spec);
  ~TQBQuickMatcher();
  bool Passes(const TQBMessageRef& message) const;
  // The first expression that does not compile, e.g. "Regular expression: missing closing parenthesis";
  // empty when all do. Such a term matches nothing.
  QString Error() const;

private:
  struct TCompiled {
    std::unique_ptr<TQBTextPattern> Pattern;
    bool InDetails = false;
    bool Matches(const TQBMessageRef& message) const;
  };
  std::optional<TCompiled> FInclude;
  std::vector<TCompiled> FExcludes;
};

namespace qbquick {

// Whether every message narrower admits is admitted by wider, so narrower need only test wider's passes.
bool Narrows(const TQBQuickFilterSpec& narrower, const TQBQuickFilterSpec& wider);
// The parts of a shown text that term matches, as (start, length) in characters, in order; what the
// rows highlight.
std::vector<std::pair<int, int>> MatchSpans(const QString& text, const TQBQuickTerm& term);
// The text of an exclusion's chip: "exclude 'heartbeat'".
QString ChipText(const TQBQuickTerm& term);

}  // namespace qbquick

// The quick filter of one view at a time.
class TQBQuickFilter {
public:
  // Starts narrowing rows to spec and cancels an unfinished scan; an empty spec gives the rows back at
  // once. Another view than the last drops the last one's filter first.
  void Start(TQBViewRows& rows, const TQBQuickFilterSpec& spec);
  // Works on the scan for about budget; once it is complete the rows change. True when nothing is left.
  bool Run(std::chrono::microseconds budget);
  // Completes the scan now (tests, and the window's Enter).
  void Finish();
  bool Busy() const { return bool(FScan); }
  // Takes the filter off its view; Forget when the view is gone.
  void Clear();
  void Forget();
  // The spec the rows show, and the one being worked on.
  const TQBQuickFilterSpec& Applied() const { return FApplied; }
  const TQBQuickFilterSpec& Wanted() const { return FWanted; }
  TQBViewRows* Rows() const { return FRows; }

private:
  void Apply();

  TQBViewRows* FRows = nullptr;
  TQBQuickFilterSpec FApplied;
  std::vector<uint8_t> FAppliedPasses;
  uint64_t FAppliedGeneration = 0;
  TQBQuickFilterSpec FWanted;
  std::shared_ptr<TQBQuickMatcher> FMatcher;
  std::unique_ptr<TQBItemScan> FScan;
};
