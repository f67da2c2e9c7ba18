#pragma once
// Where the overview bar beside the message list puts its marks: the whole view mapped onto a strip of
// `height` pixel lines, and for each kind of mark the lines that hold at least one row of that kind.
//
// A paint must not walk the rows: a view may hold ten million of them. Every kind answers "the first
// row of this kind at or after row r" in O(log n) (the type index, the bookmarks, the sorted list of
// found items), and a kind's marks are collected by jumping: take the next marked row, mark its line,
// go on from the first row of the following line. That is at most one look-up per line and kind,
// whatever the size of the view.

#include "view/QBBookmarks.h"
#include "view/QBViewRows.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

enum class TQBMarkKind : int { Error = 0, Warning, Bookmark, CheckPoint, Separator, Found };
inline constexpr int MarkKindCount = 6;

struct TQBOverviewMarks {
  int Height = 0;
  // Per kind, the ascending pixel lines that hold a row of that kind.
  std::array<std::vector<int>, MarkKindCount> Lines;
  // The lines of the rows on screen, inclusive; FrameBottom < FrameTop when the view has no rows.
  int FrameTop = 0;
  int FrameBottom = -1;

  const std::vector<int>& Of(TQBMarkKind kind) const { return Lines[size_t(kind)]; }
};

using TQBMarkCounts = std::array<int, MarkKindCount>;

namespace qboverview {

// The line that shows row when rows rows are spread over height lines (rows > 0, height > 0).
int LineOfRow(int row, int rows, int height);
// The first row that line shows; rows when line is past the last.
int FirstRowOfLine(int line, int rows, int height);
// The row a click on line y goes to: the middle of the rows the line shows, clamped to the rows.
int RowAtLine(int y, int rows, int height);
// Where each line of the strip starts, as a walk over the marks needs it: per line, the item of its
// first row (the item count for a line past the last row). One row-to-item look-up per line, shared by
// every kind's walk, instead of one per line and kind.
struct TQBLineStarts {
  int Rows = 0;
  int Height = 0;
  std::vector<int> Items;  // Height + 1 entries

  TQBLineStarts(int rows, int height, int itemCount, const std::function<int(int)>& itemOfRow);
};
// The lines that hold a marked row, found by jumping: nextItem(i) answers the first marked row item at
// or after item i (-1 when none), rowOfItem its row; after a mark the walk goes on at the next line.
std::vector<int> MarkLines(const TQBLineStarts& starts, const std::function<int(int)>& nextItem,
                           const std::function<int(int)>& rowOfItem);
// The message types each kind stands for (Found and Bookmark have none).
const std::vector<int32_t>& TypesOf(TQBMarkKind kind);
// The words of the legend and of the accessible texts, e.g. "errors".
const char* KindName(TQBMarkKind kind);

}  // namespace qboverview

// The marks of one view: its rows (the type index inside them), its bookmarks and, after a Find, the
// ascending items whose messages match the find text.
class TQBOverviewSource {
public:
  TQBOverviewSource(const TQBViewRows& rows, const TQBBookmarks& bookmarks, const std::vector<int32_t>* found)
      : FRows(rows), FBookmarks(bookmarks), FFound(found) {}

  // The marks on a strip of height lines with the rows topRow.. topRow+pageRows-1 on screen.
  TQBOverviewMarks Compute(int height, int topRow, int pageRows) const;
  // How many rows of each kind the view holds (a row with two bookmarks counts once).
  TQBMarkCounts Counts() const;

private:
  std::vector<int> TypeLines(TQBMarkKind kind, const qboverview::TQBLineStarts& starts) const;
  std::vector<int> BookmarkRows() const;
  int NextFoundItem(int item) const;

  const TQBViewRows& FRows;
  const TQBBookmarks& FBookmarks;
  const std::vector<int32_t>* FFound;
};
