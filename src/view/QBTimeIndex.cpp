#include "view/QBTimeIndex.h"

#include <algorithm>
#include <limits>

void TQBTimeIndex::CatchUp() {
  const int count = FRows.ItemCount();
  if (FRows.Generation() != FGeneration || count < FIndexed) {
    // Items were removed: the maxima no longer describe the view.
    FBlockMax.clear();
    FIndexed = 0;
    FGeneration = FRows.Generation();
  }
  if (FIndexed == count) return;
  int64_t running = FBlockMax.empty() ? std::numeric_limits<int64_t>::min() : FBlockMax.back();
  // A block that was partly indexed is taken up where it stopped: its entry already holds the maximum
  // of its first items.
  if (FIndexed % BlockSize != 0) FBlockMax.pop_back();
  for (int item = FIndexed; item < count; ++item) {
    running = std::max(running, ItemKey(item));
    if ((item + 1) % BlockSize == 0 || item + 1 == count) FBlockMax.push_back(running);
  }
  FIndexed = count;
}

int TQBTimeIndex::FirstItemAtOrAfter(int64_t key) {
  CatchUp();
  const auto block = std::lower_bound(FBlockMax.begin(), FBlockMax.end(), key);
  if (block == FBlockMax.end()) return -1;
  const int first = int(block - FBlockMax.begin()) * BlockSize;
  const int last = std::min(first + BlockSize, FIndexed);
  for (int item = first; item < last; ++item)
    if (ItemKey(item) >= key) return item;
  return -1;  // not reached: the block's maximum is one of its own items
}
