#pragma once
// The arithmetic of the list's vertical scroll bar, apart from the widget so it can be checked with
// plain numbers. Long lists are mapped onto 16384 scroll positions, so a count far beyond what a
// 16-bit scroll position can hold still scrolls evenly.
//
// Values are given in the classic scroll bar terms (the maximum includes the page, as in "maximum =
// range + page - 1"); QtMaximum converts to the largest thumb value a QScrollBar takes.

struct TQBVScrollSetup {
  int Range = 0;       // 0: nothing to scroll
  double Scale = 1.0;  // rows per scroll position
  int Maximum = 0;     // the classic maximum (thumb positions plus the page, minus 1)
  int PageStep = 1;
  int Position = 0;
  bool Scaled() const { return Scale != 1.0; }
  // The largest value of a QScrollBar showing this setup.
  int QtMaximum() const { return Range == 0 ? 0 : Maximum - PageStep + 1; }
};

namespace qbvscroll {

inline constexpr int ScaledRange = 16384;
inline constexpr int LargestUnscaled = 32767;

// The scroll bar for numItems rows of which pageRows fit, with topIndex the first visible row.
TQBVScrollSetup Setup(int numItems, int pageRows, int topIndex, bool hasBar);
// The top row for a thumb moved to position pos.
int TopOfThumb(int pos, const TQBVScrollSetup& setup, int numItems, int pageRows);
// The top row after scrolling by n rows from top (line and page steps).
int TopAfterScrollBy(int top, int n, int numItems, int pageRows);
// The top row that shows the last page.
int LastPageTop(int numItems, int pageRows);

}  // namespace qbvscroll
