#include "view/QBTimelineCounts.h"

#include "model/QBMessageTypes.h"

#include <algorithm>

using namespace qbtimeline;

void TQBTimelineCounts::SetMaxBuckets(int64_t maxBuckets) {
  maxBuckets = std::max<int64_t>(1, maxBuckets);
  if (maxBuckets == FMaxBuckets) return;
  FMaxBuckets = maxBuckets;
  // Counted again at the size the new width asks for, if it asks for another one.
  if (!FHistogram.Empty() && ChooseBucketSize(FFirst, FLast, FMaxBuckets) != FHistogram.Size()) FCounted = -1;
}

bool TQBTimelineCounts::CatchUp() {
  const int items = FRows.ItemCount();
  if (FCounted < 0 || FGeneration != FRows.Generation() || items < FCounted) {
    Recount();
    return true;
  }
  if (items == FCounted) return false;
  // The range with the new items; the size it needs decides between adding and counting again.
  int64_t first = FFirst, last = FLast;
  if (!WidenRange(FCounted, items, first, last)) {
    FCounted = items;
    return false;
  }
  if (!FHistogram.Empty() && ChooseBucketSize(first, last, FMaxBuckets) != FHistogram.Size()) {
    Recount();
    return true;
  }
  if (FHistogram.Empty()) FHistogram.Reset(ChooseBucketSize(first, last, FMaxBuckets));
  FFirst = first;
  FLast = last;
  FHistogram.Cover(first, last);
  CountItems(FCounted, items);
  FCounted = items;
  return true;
}

void TQBTimelineCounts::Recount() {
  FGeneration = FRows.Generation();
  const int items = FRows.ItemCount();
  FFirst = std::numeric_limits<int64_t>::max();
  FLast = std::numeric_limits<int64_t>::min();
  WidenRange(0, items, FFirst, FLast);
  FHistogram.Reset(FFirst <= FLast ? ChooseBucketSize(FFirst, FLast, FMaxBuckets) : MsPerSecond);
  if (FFirst <= FLast) FHistogram.Cover(FFirst, FLast);
  CountItems(0, items);
  FCounted = items;
}

bool TQBTimelineCounts::WidenRange(int from, int to, int64_t& first, int64_t& last) const {
  const TQuillboxMessageSet& set = FRows.MessageSet();
  bool any = false;
  for (int item = from; item < to; ++item) {
    const TQBMessageRef m = set.At(FRows.ItemRecNo(item));
    if (!qbtypes::IsWritten(m.MsgType())) continue;
    const int64_t instant = InstantOf(m.TimeStamp());
    first = std::min(first, instant);
    last = std::max(last, instant);
    any = true;
  }
  return any;
}

void TQBTimelineCounts::CountItems(int from, int to) {
  const TQuillboxMessageSet& set = FRows.MessageSet();
  for (int item = from; item < to; ++item) {
    const TQBMessageRef m = set.At(FRows.ItemRecNo(item));
    const int32_t type = m.MsgType();
    if (!qbtypes::IsWritten(type)) continue;
    FHistogram.Add(InstantOf(m.TimeStamp()), KindOf(type));
  }
}
