#include "view/QBItemScan.h"

#include <algorithm>

TQBItemScan::TQBItemScan(const TQBViewRows& rows, TTest test, std::vector<uint8_t> candidates)
    : FRows(rows), FTest(std::move(test)), FCandidates(std::move(candidates)), FGeneration(rows.Generation()) {
  FPasses.reserve(size_t(rows.ItemCount()));
}

bool TQBItemScan::Step(int count) {
  const TQuillboxMessageSet& set = FRows.MessageSet();
  const int end = int(std::min<int64_t>(FRows.ItemCount(), int64_t(FNext) + std::max(count, 0)));
  for (; FNext < end; ++FNext) {
    const bool candidate = size_t(FNext) >= FCandidates.size() || FCandidates[size_t(FNext)] != 0;
    FPasses.push_back(candidate && FTest(set.At(FRows.ItemRecNo(FNext))) ? 1 : 0);
  }
  return Done();
}

bool TQBItemScan::RunFor(std::chrono::microseconds budget) {
  // Slices small enough that the clock is read often, large enough that reading it costs nothing.
  constexpr int Slice = 4096;
  const auto deadline = std::chrono::steady_clock::now() + budget;
  while (!Step(Slice))
    if (std::chrono::steady_clock::now() >= deadline) return false;
  return true;
}

namespace qbscan {

std::vector<int32_t> FlaggedItems(const std::vector<uint8_t>& flags) {
  std::vector<int32_t> items;
  for (size_t i = 0; i < flags.size(); ++i)
    if (flags[i]) items.push_back(int32_t(i));
  return items;
}

}  // namespace qbscan
