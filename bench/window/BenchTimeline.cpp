// The timeline panel on a large view: opening it (every message counted, then one paint), one paint
// with the counts ready, and catching up after a batch of followed messages. The view holds
// QB_TIMELINE_COUNT messages (default 10,000,000) over about a day and a half, with errors, warnings
// and methods among them. Runs offscreen.

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"
#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"
#include "window/areas/QBTimelinePanel.h"

#include <QImage>
#include <QObject>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

int64_t TimelineCount() {
  const QByteArray env = qgetenv("QB_TIMELINE_COUNT");
  return env.isEmpty() ? 10000000 : env.toLongLong();
}

// A store and one view of it, filled as messages arrive, as the viewer fills "All Messages".
struct TTimelineFixture {
  TQuillboxMessageSet Set;
  QObject Token;  // stands for the view control the window would hand the panel
  TQBHeadlessList List{40};
  IQBViewHostHooks Host;
  TQBViewModel View{Set, List, Host};
  TQBMessageAdder Adder{Set};
  std::mt19937 Random{7};
  int64_t Now = int64_t(738885) * 86400000 + 8 * 3600000;  // 2024-01-01 08:00

  TTimelineFixture() {
    List.SetTarget(&View.Rows());
    Adder.AddObserver(&View);
    Add(TimelineCount());
  }
  // Messages a few milliseconds apart, one in ten a step back in time.
  void Add(int64_t count) {
    static const char text[] = "Processing order";
    static const int32_t types[] = {qbmInfo, qbmInfo, qbmInfo, qbmNote, qbmWarning, qbmError, qbmInfo, qbmException,
                                    qbmEnterMethod, qbmInfo, qbmExitMethod, qbmInfo};
    TQBRawMessage m;
    m.MsgText = {text, sizeof text - 1, TQBTextEncoding::Utf8};
    List.BeginUpdate();
    for (int64_t i = 0; i < count; ++i) {
      Now += Random() % 25;
      const int64_t instant = Random() % 10 == 0 ? Now - Random() % 2000 : Now;
      m.Date = int32_t(instant / 86400000 + 1);
      m.Time = int32_t(instant % 86400000);
      m.MsgType = types[size_t(i % 12)];
      Adder.AddMessage(m);
    }
    List.EndUpdate();
  }
};

TTimelineFixture& Shared() {
  static TTimelineFixture fixture;
  return fixture;
}

std::unique_ptr<TQBTimelinePanel> NewPanel(TTimelineFixture& f) {
  auto panel = std::make_unique<TQBTimelinePanel>();
  panel->resize(1200, panel->height());
  TQBTimelinePanel::TBindings bindings;
  bindings.CurrentView = [&f] { return std::pair<QObject*, const TQBViewRows*>{&f.Token, &f.View.Rows()}; };
  panel->Bind(std::move(bindings));
  return panel;
}

// Opening the panel: the whole view counted and the first paint.
void BM_TimelineOpen(benchmark::State& state) {
  TTimelineFixture& f = Shared();
  QImage image(1200, 72, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    auto panel = NewPanel(f);
    panel->Refresh();
    panel->render(&image);
    state.PauseTiming();
    panel.reset();
    state.ResumeTiming();
  }
  state.counters["messages"] = double(f.View.Rows().ItemCount());
}

void BM_TimelinePaint(benchmark::State& state) {
  TTimelineFixture& f = Shared();
  auto panel = NewPanel(f);
  panel->Refresh();
  QImage image(1200, 72, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) panel->render(&image);
  state.counters["buckets"] = double(panel->Counts()->Histogram().BucketCount());
}

// Followed messages arriving in batches of 1,000: the catch-up and the paint after each. Now and then
// the range outgrows its bucket size and the view is counted again; the mean includes those.
void BM_TimelineFollowBatch(benchmark::State& state) {
  TTimelineFixture& f = Shared();
  auto panel = NewPanel(f);
  panel->Refresh();
  QImage image(1200, 72, QImage::Format_ARGB32_Premultiplied);
  int64_t sizeChanges = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const int64_t size = panel->Counts()->Histogram().Size();
    f.Add(1000);
    state.ResumeTiming();
    panel->Refresh();
    panel->render(&image);
    sizeChanges += panel->Counts()->Histogram().Size() != size;
  }
  state.counters["recounts"] = double(sizeChanges);
}

}  // namespace

BENCHMARK(BM_TimelineOpen)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TimelinePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimelineFollowBatch)->Unit(benchmark::kMicrosecond)->Iterations(200);
