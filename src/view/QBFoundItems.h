#pragma once
// The items of a view whose messages match the find text, for the overview bar's marks. A new text
// (or another view) starts a scan that runs a slice at a time; once it is complete the list follows
// the view: messages added later are tested as the list is asked for, and a deletion starts it over.

#include "view/QBItemScan.h"
#include "view/QBQuickFilter.h"

#include <chrono>
#include <memory>
#include <vector>

class TQBFoundItems {
public:
  // Looks for term in the items of rows from now on; the same term on the same rows keeps what was
  // found. An empty text looks for nothing.
  void Want(const TQBViewRows& rows, const TQBQuickTerm& term);
  // Works on the scan for about budget; true when nothing is left to do.
  bool Run(std::chrono::microseconds budget);
  bool Busy() const { return FScan && !FScan->Done(); }
  // The ascending matching items, caught up with the items added since; null while the scan runs, when
  // nothing is wanted, or for other rows than the wanted ones.
  const std::vector<int32_t>* Items(const TQBViewRows& rows);
  void Forget();

private:
  // At most this many added items are tested while the list is asked for; more start a new scan.
  static constexpr int CatchUpLimit = 50000;
  void StartScan();

  const TQBViewRows* FRows = nullptr;
  TQBQuickTerm FTerm;
  std::shared_ptr<TQBQuickMatcher> FMatcher;
  std::unique_ptr<TQBItemScan> FScan;
  std::vector<int32_t> FItems;
  size_t FCollected = 0;  // the scan's flags already turned into FItems
  bool FComplete = false;  // the first pass over the items has ended
};
