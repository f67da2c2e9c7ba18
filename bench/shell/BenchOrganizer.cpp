// The organizer over the store, without a window: "Organize Messages" by thread on the generated log
// with 1,000 thread names (QB_BENCH_COUNT messages, default 1,000,000), creating 1,000 views of the
// view core; the automatic pass of every message while the log loads, with the views fed through the
// router; and the filter dialog's value lists. The heap the views hold is reported as a counter.

#include "QBBenchLog.h"

#include "model/QBLogLoader.h"
#include "model/QBMessageAdder.h"
#include "shell/QBOrganizer.h"
#include "view/QBHeadlessView.h"
#include "view/QBViewFilterRules.h"
#include "view/QBViewRouter.h"

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
    view->SetFilterCriteria(criteria);
    Views.push_back(std::move(view));
    std::vector<TQBViewRouter::TTarget> targets;
    for (const auto& v : Views) targets.push_back({v.get(), v.get()});
    FRouter.SetViews(std::move(targets));
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

struct TInstalled {
  explicit TInstalled(IQBViewRegistry& registry) { qbviewregistry::Install(&registry); }
  ~TInstalled() { qbviewregistry::Install(nullptr); }
};

TQuillboxMessageSet& LoadedStore() {
  static TQuillboxMessageSet* set = [] {
    auto* s = new TQuillboxMessageSet;
    TQBMessageAdder adder(*s);
    LoadLogFile(BenchLog(ThousandThreads), adder);
    return s;
  }();
  return *set;
}

void BM_OrganizeByThreadCore(benchmark::State& state) {
  TQuillboxMessageSet& set = LoadedStore();
  int64_t viewBytes = 0;
  size_t views = 0;
  for (auto _ : state) {
    TQBOrganizer organizer(set);
    TInstalled installed(organizer);
    TViews holder(set);
    organizer.SetViews(&holder);
    const int64_t before = HeapBytesInUse();
    organizer.OrganizeAll(orgThreadName);
    state.PauseTiming();
    viewBytes = HeapBytesInUse() - before;
    views = holder.Views.size();
    holder.Views.clear();
    state.ResumeTiming();
  }
  state.counters["views"] = double(views);
  state.counters["view_MB"] = double(viewBytes) / (1 << 20);
  state.counters["messages"] = double(set.GetRecordCount());
}
BENCHMARK(BM_OrganizeByThreadCore)->Unit(benchmark::kMillisecond)->Iterations(3);

// Loading the log with and without the automatic pass by application and thread (arg 1 and 0).
void BM_LoadWithAutoOrganizeCore(benchmark::State& state) {
  const bool organize = state.range(0) == 1 || state.range(0) == 2;
  for (auto _ : state) {
    TQuillboxMessageSet set;
    TQBOrganizer organizer(set);
    TInstalled installed(organizer);
    TViews holder(set);
    organizer.SetViews(&holder);
    organizer.SetOrganizeBy(orgAppName | orgThreadName);
    struct TAuto : IQBNewMessageObserver {
      TQBOrganizer& Organizer;
      explicit TAuto(TQBOrganizer& o) : Organizer(o) {}
      void NewMessageAdded(int) override { Organizer.OrganizeNewMessage(); }
    } autoPass(organizer);
    TQBMessageAdder adder(set);
    if (organize) adder.AddObserver(&autoPass);
    // Arg 2: the organizer alone, no view hears of the messages. Arg 3: one view that takes every
    // message, as "All Messages" does.
    if (state.range(0) == 3) holder.CreateOrganizedView("All Messages", {});
    if (state.range(0) != 2) adder.AddObserver(&holder);
    LoadLogFile(BenchLog(), adder);
    state.PauseTiming();
    state.counters["views"] = double(holder.Views.size());
    holder.Views.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadWithAutoOrganizeCore)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);

// The filter dialog's value lists over the loaded log (1,000 thread names).
void BM_FilterValueLists(benchmark::State& state) {
  TQuillboxMessageSet& set = LoadedStore();
  for (auto _ : state) benchmark::DoNotOptimize(qbviewfilter::CollectValueLists(set));
}
BENCHMARK(BM_FilterValueLists)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
