#include "view/QBFoundItems.h"

void TQBFoundItems::Want(const TQBViewRows& rows, const TQBQuickTerm& term) {
  if (&rows == FRows && term == FTerm && FScan) return;
  Forget();
  if (term.Text.isEmpty()) return;
  FRows = &rows;
  FTerm = term;
  FMatcher = std::make_shared<TQBQuickMatcher>(TQBQuickFilterSpec{term, {}});
  StartScan();
}

void TQBFoundItems::StartScan() {
  auto matcher = FMatcher;
  FScan = std::make_unique<TQBItemScan>(*FRows, [matcher](const TQBMessageRef& m) { return matcher->Passes(m); });
  FItems.clear();
  FCollected = 0;
  FComplete = false;
}

bool TQBFoundItems::Run(std::chrono::microseconds budget) {
  if (!FScan) return true;
  if (!FScan->Current()) StartScan();
  if (FScan->RunFor(budget)) FComplete = true;
  return FScan->Done();
}

const std::vector<int32_t>* TQBFoundItems::Items(const TQBViewRows& rows) {
  if (&rows != FRows || !FScan) return nullptr;
  if (!FScan->Current()) {
    StartScan();
    return nullptr;
  }
  if (!FComplete) return nullptr;
  // A few added messages are tested here; after a large append Run catches up a slice at a time, and
  // until then the list holds what was found so far.
  const int behind = rows.ItemCount() - int(FScan->Passes().size());
  if (behind <= CatchUpLimit) FScan->Step(behind);
  const std::vector<uint8_t>& passes = FScan->Passes();
  for (; FCollected < passes.size(); ++FCollected)
    if (passes[FCollected]) FItems.push_back(int32_t(FCollected));
  return &FItems;
}

void TQBFoundItems::Forget() {
  FRows = nullptr;
  FTerm = {};
  FMatcher.reset();
  FScan.reset();
  FItems.clear();
  FCollected = 0;
  FComplete = false;
}
