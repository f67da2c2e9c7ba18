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
  const TQuillboxMessageSet& set = FRows.MessageSet();
  int64_t first = FFirst, last = FLast;
  bool any = false;
  for (int item = FCounted; item < items; ++item) {
    const TQBMessageRef m = set.At(FRows.ItemRecNo(item));
    if (!qbtypes::IsWritten(m.MsgType())) continue;
    const int64_t instant = InstantOf(m.TimeStamp());
    first = std::min(first, instant);
    last = std::max(last, instant);
    any = true;
  }
  if (!any) {
    FCounted = items;
    return false;
  }
  if (!FHistogram.Empty() && ChooseBucketSize(first, last, FMaxBuckets) != FHistogram.Size()) {
    Recount();
    return true;
  }
  if (FHistogram.Empty()) FHistogram.Reset(ChooseBucketSize(first, last, FMaxBuckets));
  FHistogram.Cover(first, last);
  CountItems(FCounted, items);
  FCounted = items;
  return true;
}

void TQBTimelineCounts::Recount() {
  FGeneration = FRows.Generation();
  const int items = FRows.ItemCount();
  const TQuillboxMessageSet& set = FRows.MessageSet();
  FFirst = std::numeric_limits<int64_t>::max();
  FLast = std::numeric_limits<int64_t>::min();
  for (int item = 0; item < items; ++item) {
    const TQBMessageRef m = set.At(FRows.ItemRecNo(item));
    if (!qbtypes::IsWritten(m.MsgType())) continue;
    const int64_t instant = InstantOf(m.TimeStamp());
    FFirst = std::min(FFirst, instant);
    FLast = std::max(FLast, instant);
  }
  FHistogram.Reset(FFirst <= FLast ? ChooseBucketSize(FFirst, FLast, FMaxBuckets) : MsPerSecond);
  if (FFirst <= FLast) FHistogram.Cover(FFirst, FLast);
  CountItems(0, items);
  FCounted = items;
}

void TQBTimelineCounts::CountItems(int from, int to) {
  const TQuillboxMessageSet& set = FRows.MessageSet();
  for (int item = from; item < to; ++item) {
    const TQBMessageRef m = set.At(FRows.ItemRecNo(item));
    const int32_t type = m.MsgType();
    if (!qbtypes::IsWritten(type)) continue;
    const int64_t instant = InstantOf(m.TimeStamp());
    FFirst = std::min(FFirst, instant);
    FLast = std::max(FLast, instant);
    FHistogram.Add(instant, KindOf(type));
  }
}
