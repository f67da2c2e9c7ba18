// The organizer over the store, without a window: "Organize Messages" by thread on the generated log
// with 1,000 thread names (QB_BENCH_COUNT messages, default 1,000,000), creating 1,000 views of the
// view core; the automatic pass of every message while the log loads, with the views fed through the
// router; and the filter dialog's value lists. The heap the views hold is reported as a counter.
//
// The same on the hostile log of 1,000,000 messages each of its own thread (tests/hostile, "threads-1m"):
// Organize Messages makes the first MaxViews (2,000) views and counts the rest; loading it with the
// automatic pass is compared with loading it into "All Messages" alone.

#include "QBBenchLog.h"
#include "hostile/QBHostileInputs.h"

#include "model/QBLogLoader.h"
#include "model/QBMessageAdder.h"
#include "shell/QBOrganizer.h"
#include "view/QBHeadlessView.h"
#include "view/QBViewFilterRules.h"
#include "view/QBViewRouter.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const qbgen::TGenShape ThousandThreads{0, 0, 1000, 0};

class TViews final : public IQBOrganizerViews, public IQBNewMessageObserver {
public:
  explicit TViews(TQuillboxMessageSet& set) : FSet(set) {}
  TQBOrganizedView CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) override {
    auto view = std::make_unique<TQBHeadlessView>(FSet);
    view->SetViewName(name);
    // As the window's view manager adds a view after the others: the router indexes it alone.
    const uint64_t generation = qbviewregistry::Generation();
    view->SetFilterCriteria(criteria);
    Views.push_back(std::move(view));
    FRouter.Append({Views.back().get(), Views.back().get()}, generation);
    return {Views.back().get(), Views.back().get()};
  }
  void ShowOrganizedView(const TQBOrganizedView&) override {}
  // Each new message goes to the views that may take it, as the window's views observer hands it.
  void NewMessageAdded(int recNo) override {
    for (IQBMessageView* view : FRouter.Candidates(FSet, FSet.At(recNo))) {
      FSet.GotoRec(recNo);
      view->AddCurrentMessage(false);
    }
  }
  std::vector<std::unique_ptr<TQBHeadlessView>> Views;

private:
  TQuillboxMessageSet& FSet;
  TQBViewRouter FRouter;
};

// The automatic pass for every message added, as Auto-Organize runs it.
struct TAutoPass : IQBNewMessageObserver {
  TQBOrganizer& Organizer;
  explicit TAutoPass(TQBOrganizer& o) : Organizer(o) {}
  void NewMessageAdded(int) override { Organizer.OrganizeNewMessage(); }
};

struct TInstalled {
  explicit TInstalled(IQBViewRegistry& registry) { qbviewregistry::Install(&registry); }
  ~TInstalled() { qbviewregistry::Install(nullptr); }
};

TQuillboxMessageSet* LoadedFrom(const QString& path) {
  auto* s = new TQuillboxMessageSet;
  TQBMessageAdder adder(*s);
  LoadLogFile(path, adder);
  return s;
}

TQuillboxMessageSet& LoadedStore() {
  static TQuillboxMessageSet* set = LoadedFrom(BenchLog(ThousandThreads));
  return *set;
}

// The hostile log of a million messages, each of its own thread; written once into the temporary folder.
const QString& DistinctThreadsLog() {
  static const QString path = [] {
    const QString p = QDir::temp().filePath(QStringLiteral("qb-bench-threads-1m.qbl"));
    QString error;
    if (!QFileInfo::exists(p) && !qbhostile::WriteInput(QStringLiteral("threads-1m"), p, &error))
      qFatal("cannot write %s: %s", qPrintable(p), qPrintable(error));
    return p;
  }();
  return path;
}

// Organize Messages by thread over the loaded store. view_MB: the heap the pass leaves behind (the
// views, and on the first run the pool's fold table), measured on the first run.
void OrganizeByThread(benchmark::State& state, TQuillboxMessageSet& set) {
  int64_t viewBytes = -1;
  int leftOut = 0;
  size_t views = 0;
  for (auto _ : state) {
    TQBOrganizer organizer(set);
    TInstalled installed(organizer);
    TViews holder(set);
    organizer.SetViews(&holder);
    const int64_t before = HeapBytesInUse();
    leftOut = organizer.OrganizeAll(orgThreadName);
    state.PauseTiming();
    if (viewBytes < 0) viewBytes = HeapBytesInUse() - before;
    views = holder.Views.size();
    holder.Views.clear();
    state.ResumeTiming();
  }
  state.counters["views"] = double(views);
  state.counters["left_out"] = leftOut;
  state.counters["view_MB"] = double(viewBytes) / (1 << 20);
  state.counters["store_MB"] = double(set.MemoryUsed()) / (1 << 20);
  state.counters["messages"] = double(set.GetRecordCount());
}

// The generated log with 1,000 thread names: 1,000 views.
void BM_OrganizeByThreadCore(benchmark::State& state) { OrganizeByThread(state, LoadedStore()); }
BENCHMARK(BM_OrganizeByThreadCore)->Unit(benchmark::kMillisecond)->Iterations(3);

// A million thread names: the first 2,000 get views, the rest are counted.
void BM_OrganizeDistinctThreads(benchmark::State& state) {
  static TQuillboxMessageSet* set = LoadedFrom(DistinctThreadsLog());
  OrganizeByThread(state, *set);
}
BENCHMARK(BM_OrganizeDistinctThreads)->Unit(benchmark::kMillisecond)->Iterations(3);

// Loads log through the adding path with the automatic pass by fields and the views as the window
// wires them; the argument says which of them take part: 0 the views observer alone (no view), 1 the
// automatic pass and the views it makes, 2 the automatic pass alone (no view hears of the messages),
// 3 one view that takes every message, as "All Messages" does, 4 that view and the automatic pass.
void LoadWithAutoOrganize(benchmark::State& state, const QString& log, uint8_t fields) {
  const int64_t mode = state.range(0);
  for (auto _ : state) {
    TQuillboxMessageSet set;
    TQBOrganizer organizer(set);
    TInstalled installed(organizer);
    TViews holder(set);
    organizer.SetViews(&holder);
    organizer.SetOrganizeBy(fields);
    TAutoPass autoPass(organizer);
    TQBMessageAdder adder(set);
    if (mode == 1 || mode == 2 || mode == 4) adder.AddObserver(&autoPass);
    if (mode >= 3) holder.CreateOrganizedView("All Messages", {});
    if (mode != 2) adder.AddObserver(&holder);
    LoadLogFile(log, adder);
    state.PauseTiming();
    state.counters["views"] = double(holder.Views.size());
    state.counters["left_out"] = organizer.TakeLeftOut();
    holder.Views.clear();
    state.ResumeTiming();
  }
}

// The generated log by application and thread.
void BM_LoadWithAutoOrganizeCore(benchmark::State& state) {
  LoadWithAutoOrganize(state, BenchLog(), orgAppName | orgThreadName);
}
BENCHMARK(BM_LoadWithAutoOrganizeCore)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

// The million thread names by thread, into "All Messages" alone (3) and with the automatic pass (4),
// which makes 2,000 views and leaves the other values out.
void BM_LoadDistinctThreadsWithAutoOrganize(benchmark::State& state) {
  LoadWithAutoOrganize(state, DistinctThreadsLog(), orgThreadName);
}
BENCHMARK(BM_LoadDistinctThreadsWithAutoOrganize)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(3);

// The filter dialog's value lists over the loaded log (1,000 thread names).
void BM_FilterValueLists(benchmark::State& state) {
  TQuillboxMessageSet& set = LoadedStore();
  for (auto _ : state) benchmark::DoNotOptimize(qbviewfilter::CollectValueLists(set));
}
BENCHMARK(BM_FilterValueLists)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
