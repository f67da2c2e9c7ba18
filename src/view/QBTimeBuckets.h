#pragma once
// The arithmetic of a message histogram over time, apart from any widget: a message's instant, the
// bucket it falls in, the bucket sizes a timeline picks from, the counts per bucket and the ticks of
// a time axis.
//
// An instant is the number of milliseconds from 0001-01-01 00:00:00.000 to the message's date and
// time stamp as the Date and Time Stamp columns show them (the bias is not applied). A bucket of size
// S starts at a whole multiple of S counted from that origin, so the same log gives the same buckets
// whatever its first message is, and a day's buckets line up with its midnight.

#include "view/QBFilterCriteria.h"

#include <quillbox/QuillboxTypes.h>

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qbtimeline {

inline constexpr int64_t MsPerSecond = 1000;
inline constexpr int64_t MsPerMinute = 60 * MsPerSecond;
inline constexpr int64_t MsPerHour = 60 * MsPerMinute;
inline constexpr int64_t MsPerDay = 24 * MsPerHour;
// The most buckets a histogram is made of; more is refused rather than allocated.
inline constexpr int64_t MaxBuckets = 1000000;

inline int64_t InstantOf(const TQBTimeStamp& ts) { return int64_t(ts.Date - 1) * MsPerDay + ts.Time; }
// The time stamp of an instant (Time below one day).
TQBTimeStamp StampOf(int64_t instant);
// "yyyy-MM-dd hh:mm:ss.zzz"
QString FormatInstant(int64_t instant);
// "hh:mm:ss" of the instant's time of day.
QString TimeOfDayText(int64_t instant);

// The start of the bucket of size that holds instant (rounded down, also before the origin).
int64_t BucketStart(int64_t instant, int64_t size);
// How many buckets of size cover first..last (first <= last), both ends' buckets included.
int64_t BucketSpan(int64_t first, int64_t last, int64_t size);

// A duration written as a positive whole number and a unit: "ms", "s", "m", "h" or "d" ("250ms",
// "5m"). Nothing for 0, a missing or unknown unit, anything else in the text, or a number too large.
std::optional<int64_t> ParseDuration(const QString& text);

// The shortest text ParseDuration reads back as ms: "250ms", "5m", "1d".
QString DurationText(int64_t ms);

// The bucket sizes a timeline chooses from, smallest first: 1 ms to 1 day at steps of 1, 2 and 5 (and
// the clock's own 15, 30, 3, 6 and 12) so that bucket starts are round times.
const std::vector<int64_t>& NiceSizes();
// The smallest nice size whose buckets from first to last number at most maxBuckets; one day when
// even that gives more.
int64_t ChooseBucketSize(int64_t first, int64_t last, int64_t maxBuckets);

// What a bucket holds: all its messages, and of them the errors (Error and Exception) and warnings.
struct TBucketCounts {
  int64_t Messages = 0;
  int64_t Errors = 0;
  int64_t Warnings = 0;
  friend bool operator==(const TBucketCounts&, const TBucketCounts&) = default;
};

// The kind a message type is counted as.
enum class TCountKind { Other, Error, Warning };
TCountKind KindOf(int32_t msgType);

// Counts per bucket over a contiguous run of buckets that grows at either end as instants arrive.
class TQBHistogram {
public:
  explicit TQBHistogram(int64_t size = MsPerSecond) : FSize(size) {}

  int64_t Size() const { return FSize; }
  bool Empty() const { return FBuckets.empty(); }
  int64_t FirstStart() const { return FFirstStart; }
  int64_t BucketCount() const { return int64_t(FBuckets.size()); }
  int64_t StartOf(int64_t bucket) const { return FFirstStart + bucket * FSize; }
  const TBucketCounts& At(int64_t bucket) const { return FBuckets[size_t(bucket)]; }
  // The bucket that holds instant, -1 when it lies outside the run.
  int64_t BucketOf(int64_t instant) const;

  // Empties the run; the next instant starts it again, at the given size.
  void Reset(int64_t size);
  // Makes the run cover first..last before counting, so counting never moves the buckets.
  void Cover(int64_t first, int64_t last);
  void Add(int64_t instant, TCountKind kind);

private:
  int64_t FSize;
  int64_t FFirstStart = 0;
  std::vector<TBucketCounts> FBuckets;
};

// "12 messages, 1 error, 3 warnings"
QString CountsText(const TBucketCounts& counts);
// What hovering over a bucket tells: "2024-01-01 23:00:00.000 - 23:29:59.999: 12 messages, 1 error,
// 3 warnings" (the end's date only when it is another day).
QString BucketSummary(const TQBHistogram& histogram, int64_t bucket);
// The time range of buckets a..b (either order): from the first one's start to the last millisecond of
// the last one, both included.
TQBTimeRange RangeOfBuckets(const TQBHistogram& histogram, int64_t a, int64_t b);

// One labelled place on a time axis.
struct TAxisTick {
  int64_t Instant = 0;
  QString Text;
};
// The ticks between from and to (inclusive) at a round step that gives at most maxTicks of them:
// the time of day at a step of a second or more ("hh:mm" when whole minutes, else "hh:mm:ss"), with
// milliseconds below a second; the date ("yyyy-MM-dd") at a step of a day or more, and in front of the
// time on the first tick and wherever the day changes.
std::vector<TAxisTick> AxisTicks(int64_t from, int64_t to, int maxTicks);

}  // namespace qbtimeline
