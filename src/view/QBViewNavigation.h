#pragma once
// The view operations that move the current row: selecting a row, going to a message or bookmark,
// stepping through messages of a type or across time gaps, and moving between the ends of methods.

#include "view/QBViewModel.h"

#include <QString>

#include <vector>

// Kinds of a navigation step.
enum class TQBNavigateKind { First = 0, Previous = 1, Next = 2, Last = 3 };

// One enclosing method entry of the current row.
struct TQBCallStackEntry {
  QString Text;
  int Row = -1;
};

class TQBViewNavigator {
public:
  explicit TQBViewNavigator(TQBViewModel& view) : FView(view), FRows(view.Rows()) {}

  // Makes row (clamped to the rows) the only selected, the current and the anchor row, and centres it;
  // the list reports the move also when row was its current row.
  void SelectRow(int row);
  // Selects the first row whose record number is at least recNo, expanding collapsed methods on the way.
  void GoToMessage(int recNo);
  // Selects the first row whose time stamp is at or after ts, expanding collapsed methods on the way as
  // GoToMessage does; the last row when no message is that late.
  void GoToTime(const TQBTimeStamp& ts);
  void NavigateToType(TQBNavigateKind kind, int32_t typeCode);
  void NavigateTimeDiff(TQBNavigateKind kind, int32_t thresholdMs);
  // Whether rows after / before the current row match typeCode; O(log n) through the type index.
  void GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const;

  void ToggleBookmark(int n);
  void GoToBookmark(int n);

  // Jumps between an entry row and its exit row at the same level; beeps when there is none.
  void GoToMatchingMethod();
  // The method entries enclosing the current row, innermost first. Unchanged (false) without a current
  // row or with fewer than two rows.
  bool GetCallStack(std::vector<TQBCallStackEntry>& list) const;
  void GoToCurrentMethod();

  // Whether a message of type matches a wanted code: exactly below 100, any custom code from 100 up.
  static bool TypeMatches(int32_t type, int32_t wanted) { return TQBTypeIndex::TypeMatches(type, wanted); }

private:
  // Visits rows from `row` forwards or backwards until visit returns true; returns that row or -1.
  template <typename Visit>
  int Scan(int row, bool forward, Visit visit) const;
  int FindRow(TQBNavigateKind kind, const auto& matches) const;
  bool TimeGapBefore(int item, int32_t thresholdMs) const;
  // Opens every collapsed method before item (which uncovers the item itself) and selects its row; an
  // item past the last opens them all and selects nothing, as a walk from the top that finds nothing,
  // and the focused message keeps the focus.
  void RevealAndSelect(int item);

  TQBViewModel& FView;
  TQBViewRows& FRows;
};

template <typename Visit>
int TQBViewNavigator::Scan(int row, bool forward, Visit visit) const {
  if (row < 0 || row >= FRows.RowCount()) return -1;
  for (int item = FRows.ItemOfRow(row); item >= 0;) {
    if (visit(item, row)) return row;
    item = forward ? FRows.NextVisibleItem(item + 1) : (item > 0 ? FRows.PrevVisibleItem(item - 1) : -1);
    row += forward ? 1 : -1;
  }
  return -1;
}
