#include "QBViewFixture.h"

#include "model/QBMessageTypes.h"
#include "view/QBTimeBuckets.h"
#include "view/QBTimelineCounts.h"

#include <gtest/gtest.h>

#include <random>

// Messages name only the fields they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using namespace qbtimeline;
using qbtest::kDay;

// The instant of a day (kDay is 2024-01-01) and a time of day.
int64_t At(int32_t day, int h, int m = 0, int s = 0, int ms = 0) {
  return InstantOf({((h * 60 + m) * 60 + s) * 1000 + ms, day});
}

TEST(TimeBuckets, DurationsAreAWholeNumberAndAUnit) {
  const struct {
    const char* Text;
    std::optional<int64_t> Ms;
  } cases[] = {
      {"1ms", 1},        {"250ms", 250},     {"5s", 5000},        {"5m", 300000},   {"2h", 7200000},
      {"1d", MsPerDay},  {"007s", 7000},     {"0s", {}},          {"0ms", {}},      {"", {}},
      {"ms", {}},        {"5", {}},          {"5 s", {}},         {" 5s", {}},      {"5s ", {}},
      {"5S", {}},        {"+5s", {}},        {"-5s", {}},         {"1.5s", {}},     {"5sec", {}},
      {"5mm", {}},       {"1w", {}},         {"9223372036854775807ms", {}},        {"999999999999999999d", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDuration(QString::fromLatin1(c.Text)), c.Ms) << c.Text;
  for (int64_t size : NiceSizes()) EXPECT_EQ(ParseDuration(DurationText(size)), size) << size;
  EXPECT_EQ(DurationText(90 * MsPerSecond), "90s");
  EXPECT_EQ(DurationText(1500), "1500ms");
}

TEST(TimeBuckets, BucketsStartAtWholeMultiplesFromTheFirstDayOfYearOne) {
  const struct {
    const char* Why;
    int64_t Instant;
    int64_t Size;
    const char* Start;
  } cases[] = {
      {"the last millisecond of an hour", At(kDay, 23, 59, 59, 999), MsPerHour, "2024-01-01 23:00:00.000"},
      {"midnight opens the next day's bucket", At(kDay + 1, 0), MsPerHour, "2024-01-02 00:00:00.000"},
      {"the end of a day is the next day's start", InstantOf({int32_t(MsPerDay), kDay}), MsPerHour,
       "2024-01-02 00:00:00.000"},
      {"across a year", At(kDay - 1, 23, 59, 59, 999), MsPerDay, "2023-12-31 00:00:00.000"},
      {"250 ms", At(kDay, 12, 0, 0, 749), 250, "2024-01-01 12:00:00.500"},
      {"3 h divides a day", At(kDay, 1), 3 * MsPerHour, "2024-01-01 00:00:00.000"},
      {"5 m", At(kDay, 13, 7, 30), 5 * MsPerMinute, "2024-01-01 13:05:00.000"},
      {"7 d counts from year one, not from the log", At(kDay + 7, 12), 7 * MsPerDay, "2024-01-08 00:00:00.000"},
      {"7 d, the day before", At(kDay + 6, 12), 7 * MsPerDay, "2024-01-01 00:00:00.000"},
      {"a size that does not divide a day", At(kDay, 0, 0, 0, 1), 11 * MsPerHour, "2023-12-31 16:00:00.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatInstant(BucketStart(c.Instant, c.Size)), c.Start) << c.Why;
  EXPECT_EQ(FormatInstant(0), "0001-01-01 00:00:00.000");
  EXPECT_EQ(BucketStart(-1, 10), -10) << "before the origin rounds down too";
  EXPECT_EQ(BucketSpan(At(kDay - 1, 23, 30), At(kDay, 0, 30), MsPerHour), 2);
  EXPECT_EQ(BucketSpan(At(kDay - 1, 23, 30), At(kDay, 0, 30), MsPerDay), 2);
  EXPECT_EQ(BucketSpan(At(kDay, 5), At(kDay, 5), 1), 1);
}

TEST(TimeBuckets, TheBucketSizeIsTheSmallestNiceOneThatFits) {
  const struct {
    int64_t First, Last, MaxBuckets, Size;
  } cases[] = {
      {At(kDay, 12), At(kDay, 12), 100, 1},
      {At(kDay, 12), At(kDay, 12, 0, 9, 999), 100, 100},
      {At(kDay, 12), At(kDay, 12, 0, 10), 100, 200},
      {At(kDay, 23, 50), At(kDay + 1, 0, 10), 4, 10 * MsPerMinute},
      {At(kDay, 0), At(kDay + 1, 0), 5, 6 * MsPerHour},
      {At(kDay - 36500, 0), At(kDay, 0), 400, MsPerDay},  // a century: one day is the most
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseBucketSize(c.First, c.Last, c.MaxBuckets), c.Size) << c.Size;
  const std::vector<int64_t>& sizes = NiceSizes();
  EXPECT_EQ(sizes.front(), 1);
  EXPECT_EQ(sizes.back(), MsPerDay);
  for (int64_t size : sizes) EXPECT_EQ(MsPerDay % size, 0) << size << " ms buckets line up with midnight";
}

TEST(TimeBuckets, HistogramGrowsAtBothEndsAndKeepsEmptyBuckets) {
  TQBHistogram h(MsPerMinute);
  h.Add(At(kDay, 10, 5), TCountKind::Error);
  h.Add(At(kDay, 10, 2, 30), TCountKind::Warning);  // earlier: the run grows at the front
  h.Add(At(kDay, 10, 5, 59, 999), TCountKind::Other);
  ASSERT_EQ(h.BucketCount(), 4);
  EXPECT_EQ(FormatInstant(h.FirstStart()), "2024-01-01 10:02:00.000");
  EXPECT_EQ(h.At(0), (TBucketCounts{1, 0, 1}));
  EXPECT_EQ(h.At(1), (TBucketCounts{}));
  EXPECT_EQ(h.At(2), (TBucketCounts{}));
  EXPECT_EQ(h.At(3), (TBucketCounts{2, 1, 0}));
  EXPECT_EQ(h.BucketOf(At(kDay, 10, 3)), 1);
  EXPECT_EQ(h.BucketOf(At(kDay, 10, 6)), -1);
  EXPECT_EQ(BucketSummary(h, 0), "2024-01-01 10:02:00.000 - 10:02:59.999: 1 message, 0 errors, 1 warning");
  EXPECT_EQ(RangeOfBuckets(h, 3, 1).From, StampOf(At(kDay, 10, 3)));
  EXPECT_EQ(RangeOfBuckets(h, 3, 1).To, StampOf(At(kDay, 10, 5, 59, 999)));
  TQBHistogram days(2 * MsPerDay);
  days.Add(At(kDay - 1, 12), TCountKind::Error);
  EXPECT_EQ(BucketSummary(days, 0), "2023-12-31 00:00:00.000 - 2024-01-01 23:59:59.999: 1 message, 1 error, 0 warnings");
  EXPECT_EQ(KindOf(qbmException), TCountKind::Error);
  EXPECT_EQ(KindOf(qbmError), TCountKind::Error);
  EXPECT_EQ(KindOf(qbmWarning), TCountKind::Warning);
  EXPECT_EQ(KindOf(qbmReminder), TCountKind::Other);
}

TEST(TimeBuckets, AxisTicksAreRoundTimesWithTheDateWhereTheDayChanges) {
  const auto texts = [](int64_t from, int64_t to, int maxTicks) {
    QStringList out;
    for (const TAxisTick& t : AxisTicks(from, to, maxTicks)) out << t.Text;
    return out;
  };
  EXPECT_EQ(texts(At(kDay, 23), At(kDay + 1, 1), 5),
            (QStringList{"2024-01-01 23:00", "23:30", "2024-01-02 00:00", "00:30", "01:00"}));
  EXPECT_EQ(texts(At(kDay, 12, 0, 0, 1), At(kDay, 12, 0, 0, 500), 5),
            (QStringList{"2024-01-01 12:00:00.100", "12:00:00.200", "12:00:00.300", "12:00:00.400", "12:00:00.500"}));
  EXPECT_EQ(texts(At(kDay, 12, 0, 1), At(kDay, 12, 0, 41), 3), (QStringList{"2024-01-01 12:00:15", "12:00:30"}));
  const QStringList years = texts(At(kDay - 4 * 365, 0), At(kDay, 0), 5);
  ASSERT_FALSE(years.isEmpty());
  EXPECT_LE(years.size(), 5);
  for (const QString& t : years) EXPECT_EQ(t.size(), 10) << t.toStdString() << ": dates alone";
  EXPECT_TRUE(texts(5, 4, 5).isEmpty());
}

// The counts of a view as a plain pass over all of it makes them.
qbtimeline::TQBHistogram PlainCounts(const TQBViewRows& rows, int64_t maxBuckets) {
  TQBTimelineCounts fresh(rows);
  fresh.SetMaxBuckets(maxBuckets);
  fresh.CatchUp();
  return fresh.Histogram();
}

void ExpectSame(const TQBHistogram& a, const TQBHistogram& b) {
  ASSERT_EQ(a.Size(), b.Size());
  ASSERT_EQ(a.BucketCount(), b.BucketCount());
  if (a.Empty()) return;
  EXPECT_EQ(a.FirstStart(), b.FirstStart());
  for (int64_t i = 0; i < a.BucketCount(); ++i) EXPECT_EQ(a.At(i), b.At(i)) << "bucket " << i;
}

TEST(TimelineCounts, CountingAsMessagesArriveGivesWhatOnePassGives) {
  std::mt19937 random(24);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    qbtest::TViewFixture f(round % 2 == 0);
    TQBTimelineCounts counts(f.Rows);
    const int64_t maxBuckets = 20 + round * 7;
    counts.SetMaxBuckets(maxBuckets);
    // Mostly forwards in time at a random pace, now and then a step back; errors, warnings, methods.
    int64_t now = At(kDay, 23, 0);
    const int32_t types[] = {qbmInfo, qbmWarning, qbmError, qbmException, qbmEnterMethod, qbmExitMethod,
                             qbmAppStartSeparator, qbmNote};
    for (int batch = 0; batch < 12; ++batch) {
      const int n = int(random() % 30);
      for (int i = 0; i < n; ++i) {
        now += int64_t(random() % (1 << (random() % 22)));
        const int64_t instant = random() % 10 == 0 ? now - int64_t(random() % 100000) : now;
        const TQBTimeStamp ts = StampOf(instant);
        f.Add({types[random() % 8], {}, {}, {}, ts.Time, ts.Date});
      }
      if (batch == 7) f.View.ClearView();
      counts.CatchUp();
      ExpectSame(counts.Histogram(), PlainCounts(f.Rows, maxBuckets));
    }
    counts.SetMaxBuckets(maxBuckets / 3);
    counts.CatchUp();
    ExpectSame(counts.Histogram(), PlainCounts(f.Rows, maxBuckets / 3));
  }
}

TEST(TimelineCounts, CountsTheWrittenMessagesOfTheView) {
  qbtest::TViewFixture f(true);
  f.Add({qbmEnterMethod, {}, {}, {}, int32_t(At(kDay, 10) % MsPerDay), kDay});
  f.Add({qbmError, {}, {}, {}, int32_t(At(kDay, 10, 0, 1) % MsPerDay), kDay});
  f.Add({qbmExitMethod, {}, {}, {}, int32_t(At(kDay, 10, 0, 2) % MsPerDay), kDay});
  f.Add({qbmAppStartSeparator, {}, {}, {}, int32_t(At(kDay, 10, 0, 3) % MsPerDay), kDay});
  f.Add({qbmWarning, {}, {}, {}, int32_t(At(kDay, 10, 0, 9) % MsPerDay), kDay});
  TQBTimelineCounts counts(f.Rows);
  counts.SetMaxBuckets(2);
  EXPECT_TRUE(counts.CatchUp());
  EXPECT_FALSE(counts.CatchUp()) << "nothing new";
  const TQBHistogram& h = counts.Histogram();
  ASSERT_EQ(h.Size(), 5 * MsPerSecond);
  ASSERT_EQ(h.BucketCount(), 2);
  EXPECT_EQ(h.At(0), (TBucketCounts{3, 1, 0})) << "the collapsed body and exit count; the start separator does not";
  EXPECT_EQ(h.At(1), (TBucketCounts{1, 0, 1}));
  EXPECT_EQ(counts.First(), At(kDay, 10));
  EXPECT_EQ(counts.Last(), At(kDay, 10, 0, 9));
}

}  // namespace
