#pragma once
// The timeline's counts of one view: its messages (those a save writes) per time bucket, kept up to
// date as messages arrive without counting the old ones again.
//
// The bucket size follows the view's time range so that the buckets fill a given number of places
// (the panel's width). Messages that arrive inside the range, or widen it only so far that the size
// still fits, are added to their buckets; a range that outgrows the size, a removal (the view's
// generation) or a new width counts the whole view once more, at the new size. A view that keeps
// growing in time therefore recounts only each time its range passes the next nice size.

#include "view/QBTimeBuckets.h"
#include "view/QBViewRows.h"

#include <cstdint>
#include <limits>

class TQBTimelineCounts {
public:
  explicit TQBTimelineCounts(const TQBViewRows& rows) : FRows(rows) {}

  // The number of buckets the range should fill at most; a change counts the view again on the next
  // CatchUp when it changes the bucket size.
  void SetMaxBuckets(int64_t maxBuckets);
  // Brings the counts up to the view's items. True when they changed.
  bool CatchUp();

  const qbtimeline::TQBHistogram& Histogram() const { return FHistogram; }
  // The instants of the earliest and latest message counted; meaningless while Histogram() is empty.
  int64_t First() const { return FFirst; }
  int64_t Last() const { return FLast; }

private:
  void Recount();
  // Widens first..last by the written items from..to-1; false when there is none among them.
  bool WidenRange(int from, int to, int64_t& first, int64_t& last) const;
  // Adds the written items from..to-1 to their buckets, which the histogram already covers.
  void CountItems(int from, int to);

  const TQBViewRows& FRows;
  int64_t FMaxBuckets = 400;
  qbtimeline::TQBHistogram FHistogram;
  int64_t FFirst = std::numeric_limits<int64_t>::max();
  int64_t FLast = std::numeric_limits<int64_t>::min();
  int FCounted = 0;           // items looked at
  uint64_t FGeneration = 0;   // the view's generation the counts were made for
};
