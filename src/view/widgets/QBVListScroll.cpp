#include "view/widgets/QBVListScroll.h"

#include <algorithm>
#include <cmath>

namespace qbvscroll {

TQBVScrollSetup Setup(int numItems, int pageRows, int topIndex, bool hasBar) {
  TQBVScrollSetup s;
  s.PageStep = pageRows;
  s.Range = numItems < pageRows ? 1 : numItems;
  if (numItems > LargestUnscaled) {
    s.Scale = double(numItems) / ScaledRange;
    s.Range = ScaledRange;
  }
  if (!hasBar || pageRows >= numItems) {
    s.Range = 0;
    s.Maximum = 0;
    s.Position = 0;
    return s;
  }
  if (s.Scaled()) {
    s.Maximum = s.Range + pageRows - 1;
    s.Position = int(std::lround(double(topIndex) * ScaledRange / double(numItems - pageRows + 1)));
  } else {
    s.Maximum = s.Range - 1;
    s.Position = topIndex;
  }
  return s;
}

int LastPageTop(int numItems, int pageRows) {
  return pageRows - 1 < numItems - 1 ? numItems - pageRows : 0;
}

int TopOfThumb(int pos, const TQBVScrollSetup& setup, int numItems, int pageRows) {
  if (pos != 0 && pos == setup.Range) return LastPageTop(numItems, pageRows);
  return pos == 0 ? 0 : int(std::lround(pos * setup.Scale));
}

int TopAfterScrollBy(int top, int n, int numItems, int pageRows) {
  const int last = numItems - 1;
  // 64 bits: a page step from a top near the end of a huge list must not wrap around.
  const long long b = (long long)top + n;
  if (b < 0) return n <= 0 ? 0 : last;
  if (b > last - pageRows + 1) return pageRows - 1 < last ? last - pageRows + 1 : 0;
  return int(b);
}

}  // namespace qbvscroll
