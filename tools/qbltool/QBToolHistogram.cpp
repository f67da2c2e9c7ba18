// qbltool histogram --bucket DURATION [FILTER] IN.qbl: the messages a save of the filtered view would
// write, counted per time bucket, one tab-separated line per bucket from the first message's to the
// last one's.

#include "QBToolCommands.h"
#include "QBToolLoad.h"
#include "QBToolView.h"

#include "view/QBTimeBuckets.h"
#include "view/QBViewOutput.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace qbltool {
namespace {

constexpr char kUsage[] =
    "histogram --bucket DURATION [[--app TEXT] [--category TEXT] [--pid N] [--thread TEXT] [--computer TEXT] "
    "[--text SUBSTRING] [--types LIST] | --project FILE.qbp --view NAME] IN.qbl";

// The bucket's duration, or nothing after the error line.
std::optional<int64_t> BucketOption(const QString& text, const TToolIO& io) {
  const std::optional<int64_t> size = qbtimeline::ParseDuration(text);
  if (!size)
    io.Error(QStringLiteral("invalid bucket '%1' (expected a whole number above 0 with ms, s, m, h or d, "
                            "e.g. 250ms or 5m)").arg(text));
  return size;
}

// The earliest and latest instants of the written messages; first > last when there are none.
std::pair<int64_t, int64_t> Range(const TQBViewRows& rows) {
  int64_t first = std::numeric_limits<int64_t>::max(), last = std::numeric_limits<int64_t>::min();
  const TQuillboxMessageSet& set = rows.MessageSet();
  qboutput::ForEachWrittenItem(rows, [&](int item) {
    const int64_t instant = qbtimeline::InstantOf(set.At(rows.ItemRecNo(item)).TimeStamp());
    first = std::min(first, instant);
    last = std::max(last, instant);
  });
  return {first, last};
}

QByteArray Lines(const qbtimeline::TQBHistogram& histogram) {
  QByteArray out;
  for (int64_t b = 0; b < histogram.BucketCount(); ++b) {
    const qbtimeline::TBucketCounts& c = histogram.At(b);
    out += qbtimeline::FormatInstant(histogram.StartOf(b)).toLatin1() + '\t' + QByteArray::number(c.Messages) +
           '\t' + QByteArray::number(c.Errors) + '\t' + QByteArray::number(c.Warnings) + '\n';
  }
  return out;
}

}  // namespace

int RunHistogram(const QStringList& args, const TToolIO& io) {
  TViewOptions options;
  QString error;
  if (!ParseViewOptions(args, TViewCommand::Histogram, options, &error)) {
    io.Error(error);
    return UsageError(io, kUsage);
  }
  if (options.Files.size() != 1 || options.Bucket.isEmpty()) return UsageError(io, kUsage);
  const std::optional<int64_t> size = BucketOption(options.Bucket, io);
  if (!size) return ExitUsage;
  if (const int code = ApplyProjectView(options, io); code != ExitOk) return code;
  TToolView view(options.Filter);
  const int loaded = view.Load(options.Files[0], io);
  if (loaded == ExitUsage) return loaded;
  const auto [first, last] = Range(view.Rows());
  if (first > last) return loaded;
  if (qbtimeline::BucketSpan(first, last, *size) > qbtimeline::MaxBuckets) {
    io.Error(QStringLiteral("bucket '%1' gives more than %2 buckets from %3 to %4; choose a larger one")
                 .arg(options.Bucket)
                 .arg(qbtimeline::MaxBuckets)
                 .arg(qbtimeline::FormatInstant(first), qbtimeline::FormatInstant(last)));
    return ExitUsage;
  }
  qbtimeline::TQBHistogram histogram(*size);
  histogram.Cover(first, last);
  const TQuillboxMessageSet& set = view.Rows().MessageSet();
  qboutput::ForEachWrittenItem(view.Rows(), [&](int item) {
    const TQBMessageRef m = set.At(view.Rows().ItemRecNo(item));
    histogram.Add(qbtimeline::InstantOf(m.TimeStamp()), qbtimeline::KindOf(m.MsgType()));
  });
  io.Write(Lines(histogram));
  return loaded;
}

}  // namespace qbltool
