#include "view/QBHeadlessList.h"

#include <algorithm>

void TQBHeadlessList::SetRowCount(int count) {
  if (count < 0) count = 0;
  if (count == FCount) return;
  FCount = count;
  if (FItemIndex >= count) SetCurrentRow(-1);
  FAnchor = std::clamp(FAnchor, 0, std::max(0, count - 1));
  // A list that shrank below its top row shows its last page.
  if (count == 0) FTopIndex = 0;
  else if (count < FTopIndex + FPageRows) ScrollTo(count - 1);
}

void TQBHeadlessList::SetCurrentRow(int row) {
  if (row >= FCount) row = FCount - 1;
  if (row < -1) row = -1;
  if (row == FItemIndex) return;
  const int old = FItemIndex;
  if (old >= 0) Select(old, false);
  FItemIndex = row;
  if (row >= 0) {
    FAnchor = row;
    MakeVisible(row);
    Select(row, true);
    ++FClicks;
  }
}

void TQBHeadlessList::RelocateCurrentRow(int row, int top) {
  FItemIndex = std::clamp(row, -1, FCount - 1);
  FAnchor = FItemIndex;
  if (FItemIndex < 0) return;
  ScrollTo(top);
  MakeVisible(FItemIndex);
  ++FClicks;
}

void TQBHeadlessList::EndUpdate() {
  if (FUpdateCount <= 0) throw std::logic_error("Mismatched BeginUpdate/EndUpdate");
  --FUpdateCount;
}

void TQBHeadlessList::ScrollTo(int row) {
  if (row < 0 || row >= FCount) return;
  FTopIndex = std::max(0, std::min(row, FCount - FPageRows));
}

void TQBHeadlessList::MakeVisible(int row) {
  if (row < FTopIndex)
    ScrollTo(row);
  else if (row >= FTopIndex + FPageRows)
    ScrollTo(std::max(0, row - FPageRows + 1));
}
