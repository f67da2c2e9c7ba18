#pragma once
// What the user has chosen in a view, by message rather than by row, so that it outlives the view
// being emptied and filled again (a filter change): the focused message and the selected messages.
// A selected collapsed row stands for its method, taken as every record up to the next row.

#include "shell/QBViewBinding.h"

#include <utility>
#include <vector>

class TQBViewPlace {
public:
  // Read from the view's rows; nothing for a view without list operations.
  static TQBViewPlace Of(const TQBViewBinding& view);
  // After the view was filled anew: the rows of the chosen messages are selected and the row that
  // shows the focused message (its own, or the collapsed row that holds it) becomes current. When the
  // view no longer shows it, no row is current: a neighbour would be a message nobody chose.
  void RestoreTo(const TQBViewBinding& view) const;

private:
  bool Chosen(int recNo) const;
  // The record numbers a row stands for: its own, or up to the next row's for a collapsed method.
  static std::pair<int, int> RowSpan(const TQBViewBinding& view, int row, int count);

  int FFocused = -1;
  std::vector<std::pair<int, int>> FSelected;  // ascending, disjoint record number spans
};
