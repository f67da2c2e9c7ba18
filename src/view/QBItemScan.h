#pragma once
// Tests the items of a view against a message test a slice at a time, so that a scan of a million
// messages runs between key presses instead of blocking them. The quick filter narrows a view with it
// and the overview bar finds the rows that match the find text.

#include "view/QBViewRows.h"

#include <quillbox/QuillboxMessageSet.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

class TQBItemScan {
public:
  using TTest = std::function<bool(const TQBMessageRef&)>;
  // candidates: when not empty, only the items it flags are tested and the others fail; a narrower
  // filter re-tests only what a wider one let through. Items past its end are tested.
  TQBItemScan(const TQBViewRows& rows, TTest test, std::vector<uint8_t> candidates = {});

  // Tests up to count more items; true when every item the view holds now has been tested.
  bool Step(int count);
  // Steps until done or until budget has passed; true when done.
  bool RunFor(std::chrono::microseconds budget);
  bool Done() const { return FNext >= FRows.ItemCount(); }
  // False once the view has removed items (Clear, Delete, Crop) since the scan began: the flags no
  // longer belong to its items.
  bool Current() const { return FRows.Generation() == FGeneration; }
  // One flag per item tested so far.
  const std::vector<uint8_t>& Passes() const { return FPasses; }
  std::vector<uint8_t> TakePasses() { return std::move(FPasses); }

private:
  const TQBViewRows& FRows;
  TTest FTest;
  std::vector<uint8_t> FCandidates;
  std::vector<uint8_t> FPasses;
  uint64_t FGeneration;
  int FNext = 0;
};

namespace qbscan {
// The ascending items a scan's flags mark.
std::vector<int32_t> FlaggedItems(const std::vector<uint8_t>& flags);
}  // namespace qbscan
