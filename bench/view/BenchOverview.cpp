// The overview bar and the quick filter at size: painting the bar of a 10,000,000-row view (marks of
// every kind, 1% of the rows found), repainting it after a batch of followed messages, and narrowing
// a 1,000,000-message view with the quick filter, from the first letter and from one more letter
// typed (which re-tests only the rows the last text let through). Runs offscreen.

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"
#include "model/QBRawMessage.h"
#include "view/QBHeadlessList.h"
#include "view/QBOverviewMarks.h"
#include "view/QBQuickFilter.h"
#include "view/QBViewModel.h"
#include "view/widgets/QBOverviewBar.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace std::chrono_literals;

// A store with a filled view of count messages: methods, errors (1 in 1,000), exceptions, warnings
// (1 in 100), check points and separators, among texts of a service log.
struct TLogView {
  TQuillboxMessageSet Set;
  TQBHeadlessList List{40};
  IQBViewHostHooks Host;
  TQBViewModel View{Set, List, Host};
  TQBMessageAdder Adder{Set};
  std::mt19937 Random{1};

  explicit TLogView(int count) {
    List.SetTarget(&View.Rows());
    Adder.AddObserver(&View);
    List.BeginUpdate();
    Add(count);
    List.EndUpdate();
  }
  void Add(int count) {
    static const QByteArray texts[] = {"heartbeat from node 7",     "user login accepted",  "disk usage at 71 percent",
                                       "Processing order 17",       "Repository::Load",     "timeout talking to billing",
                                       "cache refresh: 242 entries", "request served in 12 ms"};
    TQBRawMessage m;
    m.Date = 738886;
    for (int i = 0; i < count; ++i) {
      const uint32_t roll = Random() % 1000;
      m.MsgType = roll < 1 ? qbmError : roll < 2 ? qbmException : roll < 12 ? qbmWarning : roll < 14 ? qbmCheckPoint
                : roll < 15 ? qbmSeparator : roll < 115 ? qbmEnterMethod : roll < 215 ? qbmExitMethod : qbmInfo;
      const QByteArray& text = texts[Random() % std::size(texts)];
      m.MsgText = Utf8Bytes(text);
      Adder.AddMessage(m);
    }
  }
};

TLogView& TenMillion() {
  static TLogView view(10'000'000);
  return view;
}

// The bar as the window shows it, 800 pixels tall, fed from a view with 1% of its items found.
struct TBarFixture {
  TLogView& Log;
  std::vector<int32_t> Found;
  TQBOverviewBar Bar;
  QImage Image{TQBOverviewBar::StripWidth, 800, QImage::Format_ARGB32_Premultiplied};

  explicit TBarFixture(TLogView& log) : Log(log) {
    for (int item = 0; item < log.View.Rows().ItemCount(); item += 100) Found.push_back(item);
    TQBViewModel& v = log.View;
    Bar.SetFeed({[this, &v](int height) {
                   return TQBOverviewSource(v.Rows(), v.Bookmarks(), &Found).Compute(height, 5'000'000, 40);
                 },
                 [this, &v] { return TQBOverviewSource(v.Rows(), v.Bookmarks(), &Found).Counts(); },
                 [&v] { return v.Rows().RowCount(); }});
    Bar.resize(Image.size());
    for (int n = 0; n < TQBBookmarks::Count; ++n) v.Bookmarks().Toggle(n, 1 + n * 999'999);
  }
  void Paint() {
    QPainter painter(&Image);
    Bar.render(&painter);
  }
};

void BM_OverviewPaint(benchmark::State& state) {
  TBarFixture f(TenMillion());
  for (auto _ : state) f.Paint();
  state.counters["rows"] = double(f.Log.View.Rows().RowCount());
  state.counters["error lines"] = double(f.Bar.LastMarks().Of(TQBMarkKind::Error).size());
  state.counters["found lines"] = double(f.Bar.LastMarks().Of(TQBMarkKind::Found).size());
}

// A batch of followed messages arrives (not timed), then the bar paints again.
void BM_OverviewRepaintAfterFollowBatch(benchmark::State& state) {
  TBarFixture f(TenMillion());
  for (auto _ : state) {
    state.PauseTiming();
    f.Log.Add(int(state.range(0)));
    state.ResumeTiming();
    f.Paint();
  }
  state.counters["rows"] = double(f.Log.View.Rows().RowCount());
}

TLogView& OneMillion() {
  static TLogView view(1'000'000);
  return view;
}

TQBQuickFilterSpec Typed(const char* text) { return {{QString::fromLatin1(text), {}, false}, {}}; }

// From the quick filter's start to the rows shown, in the slices the window runs (8 ms each).
void Narrow(TQBQuickFilter& filter, TLogView& log, const TQBQuickFilterSpec& spec) {
  filter.Start(log.View.Rows(), spec);
  while (!filter.Run(8ms)) {
  }
}

// The whole view narrowed from no filter at all.
void NarrowFromScratch(benchmark::State& state, const TQBQuickFilterSpec& spec) {
  TLogView& log = OneMillion();
  TQBQuickFilter filter;
  for (auto _ : state) {
    state.PauseTiming();
    filter.Clear();
    state.ResumeTiming();
    Narrow(filter, log, spec);
  }
  state.counters["rows"] = double(log.View.Rows().RowCount());
  filter.Clear();
}

void BM_QuickFilterFirstLetter(benchmark::State& state) { NarrowFromScratch(state, Typed("t")); }

void BM_QuickFilterExclusion(benchmark::State& state) {
  TQBQuickFilterSpec spec;
  spec.Excludes.push_back({QStringLiteral("heartbeat"), {}, false});
  NarrowFromScratch(state, spec);
}

void BM_QuickFilterOneMoreLetter(benchmark::State& state) {
  TLogView& log = OneMillion();
  TQBQuickFilter filter;
  for (auto _ : state) {
    state.PauseTiming();
    Narrow(filter, log, Typed("time"));
    state.ResumeTiming();
    Narrow(filter, log, Typed("timeo"));
  }
  state.counters["rows"] = double(log.View.Rows().RowCount());
  filter.Clear();
}

}  // namespace

BENCHMARK(BM_OverviewPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewRepaintAfterFollowBatch)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickFilterFirstLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickFilterOneMoreLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickFilterExclusion)->Unit(benchmark::kMillisecond);
