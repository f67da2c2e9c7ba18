#include "view/QBTimeBuckets.h"

#include "model/QBMessageTypes.h"
#include "model/QBTimeStamp.h"

#include <algorithm>
#include <limits>

namespace qbtimeline {
namespace {

// Rounds down, also for negative numerators (C++ division rounds towards zero).
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t DayOfInstant(int64_t instant) { return FloorDiv(instant, MsPerDay); }

}  // namespace

TQBTimeStamp StampOf(int64_t instant) {
  const int64_t day = DayOfInstant(instant);
  return TQBTimeStamp{int32_t(instant - day * MsPerDay), int32_t(day + 1)};
}

QString FormatInstant(int64_t instant) { return qbtime::FormatTimeStamp(StampOf(instant)); }

QString TimeOfDayText(int64_t instant) { return FormatInstant(instant).mid(11, 8); }

int64_t BucketStart(int64_t instant, int64_t size) { return FloorDiv(instant, size) * size; }

int64_t BucketSpan(int64_t first, int64_t last, int64_t size) {
  return (BucketStart(last, size) - BucketStart(first, size)) / size + 1;
}

std::optional<int64_t> ParseDuration(const QString& text) {
  qsizetype digits = 0;
  while (digits < text.size() && text[digits] >= QLatin1Char('0') && text[digits] <= QLatin1Char('9')) ++digits;
  // Eighteen digits cannot overflow before the unit multiplies them.
  if (digits == 0 || digits > 18) return std::nullopt;
  const int64_t number = text.left(digits).toLongLong();
  const QStringView unit = QStringView(text).mid(digits);
  static const struct {
    const char* Name;
    int64_t Ms;
  } kUnits[] = {{"ms", 1}, {"s", MsPerSecond}, {"m", MsPerMinute}, {"h", MsPerHour}, {"d", MsPerDay}};
  for (const auto& u : kUnits) {
    if (unit != QLatin1String(u.Name)) continue;
    if (number == 0 || number > std::numeric_limits<int64_t>::max() / u.Ms) return std::nullopt;
    return number * u.Ms;
  }
  return std::nullopt;
}

QString DurationText(int64_t ms) {
  static const struct {
    const char* Name;
    int64_t Ms;
  } kUnits[] = {{"d", MsPerDay}, {"h", MsPerHour}, {"m", MsPerMinute}, {"s", MsPerSecond}};
  for (const auto& u : kUnits)
    if (ms % u.Ms == 0) return QString::number(ms / u.Ms) + QLatin1String(u.Name);
  return QString::number(ms) + QStringLiteral("ms");
}

const std::vector<int64_t>& NiceSizes() {
  static const std::vector<int64_t> sizes = {
      1, 2, 5, 10, 20, 50, 100, 200, 500,                                              // milliseconds
      MsPerSecond, 2 * MsPerSecond, 5 * MsPerSecond, 10 * MsPerSecond, 15 * MsPerSecond, 30 * MsPerSecond,
      MsPerMinute, 2 * MsPerMinute, 5 * MsPerMinute, 10 * MsPerMinute, 15 * MsPerMinute, 30 * MsPerMinute,
      MsPerHour, 2 * MsPerHour, 3 * MsPerHour, 6 * MsPerHour, 12 * MsPerHour, MsPerDay};
  return sizes;
}

int64_t ChooseBucketSize(int64_t first, int64_t last, int64_t maxBuckets) {
  for (int64_t size : NiceSizes())
    if (BucketSpan(first, last, size) <= maxBuckets) return size;
  return MsPerDay;
}

TCountKind KindOf(int32_t msgType) {
  if (msgType == qbmError || msgType == qbmException) return TCountKind::Error;
  if (msgType == qbmWarning) return TCountKind::Warning;
  return TCountKind::Other;
}

int64_t TQBHistogram::BucketOf(int64_t instant) const {
  if (FBuckets.empty()) return -1;
  const int64_t bucket = FloorDiv(instant - FFirstStart, FSize);
  return bucket >= 0 && bucket < BucketCount() ? bucket : -1;
}

void TQBHistogram::Reset(int64_t size) {
  FSize = size;
  FFirstStart = 0;
  FBuckets.clear();
}

void TQBHistogram::Cover(int64_t first, int64_t last) {
  const int64_t firstStart = BucketStart(first, FSize);
  const int64_t lastStart = BucketStart(last, FSize);
  if (FBuckets.empty()) {
    FFirstStart = firstStart;
    FBuckets.resize(size_t((lastStart - firstStart) / FSize + 1));
    return;
  }
  if (firstStart < FFirstStart) {
    FBuckets.insert(FBuckets.begin(), size_t((FFirstStart - firstStart) / FSize), TBucketCounts{});
    FFirstStart = firstStart;
  }
  const int64_t end = StartOf(BucketCount());
  if (lastStart >= end) FBuckets.resize(FBuckets.size() + size_t((lastStart - end) / FSize + 1));
}

void TQBHistogram::Add(int64_t instant, TCountKind kind) {
  int64_t bucket = BucketOf(instant);
  if (bucket < 0) {
    Cover(instant, instant);
    bucket = BucketOf(instant);
  }
  TBucketCounts& counts = FBuckets[size_t(bucket)];
  ++counts.Messages;
  if (kind == TCountKind::Error) ++counts.Errors;
  else if (kind == TCountKind::Warning) ++counts.Warnings;
}

QString CountsText(const TBucketCounts& c) {
  const auto counted = [](int64_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
  };
  return counted(c.Messages, "message", "messages") + QStringLiteral(", ") + counted(c.Errors, "error", "errors") +
         QStringLiteral(", ") + counted(c.Warnings, "warning", "warnings");
}

QString BucketSummary(const TQBHistogram& histogram, int64_t bucket) {
  const int64_t start = histogram.StartOf(bucket);
  const int64_t last = start + histogram.Size() - 1;
  const QString end = FormatInstant(last);
  const QString shownEnd = DayOfInstant(start) == DayOfInstant(last) ? end.mid(11) : end;
  return FormatInstant(start) + QStringLiteral(" - ") + shownEnd + QStringLiteral(": ") + CountsText(histogram.At(bucket));
}

TQBTimeRange RangeOfBuckets(const TQBHistogram& histogram, int64_t a, int64_t b) {
  return {StampOf(histogram.StartOf(std::min(a, b))), StampOf(histogram.StartOf(std::max(a, b) + 1) - 1)};
}

namespace {

// The round steps of an axis: the bucket sizes from a second up, then whole days at 1, 2, 5 steps.
int64_t AxisStep(int64_t span, int maxTicks) {
  const int64_t ticks = std::max(1, maxTicks);
  for (int64_t size : NiceSizes())
    if (span / size < ticks) return size;
  // 2, 5, 10, 20, 50, 100 ... days.
  for (int64_t days = 2;; days *= 10)
    for (int64_t step : {days * MsPerDay, days * 5 / 2 * MsPerDay, days * 5 * MsPerDay})
      if (span / step < ticks) return step;
}

QString TickText(int64_t instant, int64_t step, bool withDate) {
  const QString full = FormatInstant(instant);  // yyyy-MM-dd hh:mm:ss.zzz
  if (step >= MsPerDay) return full.left(10);
  const QString time = step < MsPerSecond ? full.mid(11) : step % MsPerMinute == 0 ? full.mid(11, 5) : full.mid(11, 8);
  return withDate ? full.left(10) + QLatin1Char(' ') + time : time;
}

}  // namespace

std::vector<TAxisTick> AxisTicks(int64_t from, int64_t to, int maxTicks) {
  std::vector<TAxisTick> ticks;
  if (to < from) return ticks;
  const int64_t step = AxisStep(to - from, maxTicks);
  int64_t tick = BucketStart(from, step);
  if (tick < from) tick += step;
  int64_t previousDay = std::numeric_limits<int64_t>::min();
  for (; tick <= to; tick += step) {
    const int64_t day = DayOfInstant(tick);
    ticks.push_back({tick, TickText(tick, step, day != previousDay)});
    previousDay = day;
  }
  return ticks;
}

}  // namespace qbtimeline
