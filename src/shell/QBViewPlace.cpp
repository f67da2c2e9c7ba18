#include "shell/QBViewPlace.h"

#include <algorithm>
#include <climits>

std::pair<int, int> TQBViewPlace::RowSpan(const TQBViewBinding& view, int row, int count) {
  const int recNo = view.View->GetRowRecNo(row);
  if (!view.Methods || !view.Methods->IsMethodCollapsed(row)) return {recNo, recNo};
  return {recNo, row + 1 < count ? view.View->GetRowRecNo(row + 1) - 1 : INT_MAX};
}

TQBViewPlace TQBViewPlace::Of(const TQBViewBinding& view) {
  TQBViewPlace place;
  if (!view.View || !view.List) return place;
  place.FFocused = view.FocusedRecNo();
  const int count = view.View->GetCount();
  for (int row = 0; row < count; ++row)
    if (view.View->IsRowSelected(row)) place.FSelected.push_back(RowSpan(view, row, count));
  return place;
}

bool TQBViewPlace::Chosen(int recNo) const {
  const auto after = std::upper_bound(FSelected.begin(), FSelected.end(), std::pair(recNo, INT_MAX));
  return after != FSelected.begin() && (after - 1)->second >= recNo;
}

void TQBViewPlace::RestoreTo(const TQBViewBinding& view) const {
  if (!view.View || !view.List || (FFocused < 0 && FSelected.empty())) return;
  const int count = view.View->GetCount();
  int focusRow = -1;
  for (int row = 0; row < count; ++row) {
    const auto [first, last] = RowSpan(view, row, count);
    if (first <= FFocused && FFocused <= last) focusRow = row;
    if (Chosen(first)) view.View->SetRowSelected(row, true);
  }
  if (focusRow < 0) return;
  // The list selects the row it makes current; a focused message that was not chosen stays unchosen.
  view.List->SetItemIndex(focusRow);
  if (!Chosen(FFocused)) view.View->SetRowSelected(focusRow, false);
}
