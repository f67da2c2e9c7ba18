// Merging 10 logs by time against loading the same logs one after another into one store. Each log has
// QB_MERGE_COUNT messages (default 100,000), generated with seeds 1 to 10 and reused by later runs.
// Counters: both times, their ratio (target at most 1.5), the peak resident memory each adds and their
// ratio (target at most 1: the merge holds no more than the loads).

#include "QBBenchLog.h"
#include "QBLogGenerator.h"
#include "model/QBLogMerge.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kLogs = 10;

int64_t MergeCount() {
  const char* env = std::getenv("QB_MERGE_COUNT");
  return env ? std::atoll(env) : 100000;
}

const QStringList& MergeLogs() {
  static const QStringList paths = [] {
    QStringList p;
    for (int seed = 1; seed <= kLogs; ++seed) {
      const QString path = QDir::temp().filePath(QStringLiteral("qb-bench-merge-%1-s%2.qbl").arg(MergeCount()).arg(seed));
      if (!QFileInfo::exists(path)) GenerateLog(path, {MergeCount(), uint64_t(seed), {}}, nullptr);
      p << path;
    }
    return p;
  }();
  return paths;
}

// Samples the resident memory as the records come in (the store's blocks are mapped outside the
// heap); its peak stands for the operation's.
class TPeakHeap final : public IQBLogLoadEvents {
public:
  void Progress(int64_t, int64_t) override { Peak = std::max(Peak, ResidentBytes()); }
  int64_t Peak = 0;
};

struct TRun {
  double Seconds = 0;
  int64_t PeakBytes = 0;
};

// Runs work on a fresh store; the resident memory before it is subtracted from its peak.
template <typename TWork>
TRun Measure(TWork work) {
  auto set = std::make_unique<TQuillboxMessageSet>();
  TQBMessageAdder adder(*set);
  TPeakHeap peak;
  ReturnFreeMemory();
  const int64_t before = ResidentBytes();
  peak.Peak = before;
  const auto start = std::chrono::steady_clock::now();
  work(adder, peak);
  const auto end = std::chrono::steady_clock::now();
  peak.Progress(0, 0);
  return {std::chrono::duration<double>(end - start).count(), peak.Peak - before};
}

void BM_MergeAgainstLoading(benchmark::State& state) {
  const QStringList& logs = MergeLogs();
  TRun load, merge;
  for (auto _ : state) {
    load = Measure([&](TQBMessageAdder& adder, TPeakHeap& peak) {
      for (const QString& log : logs) LoadLogFile(log, adder, &peak);
    });
    merge = Measure([&](TQBMessageAdder& adder, TPeakHeap& peak) {
      TQBSourceLogs sources;
      MergeLogFiles(logs, adder, &sources, &peak);
    });
    state.SetIterationTime(merge.Seconds);
  }
  state.counters["messages"] = double(MergeCount() * kLogs);
  state.counters["load_ms"] = load.Seconds * 1e3;
  state.counters["merge_ms"] = merge.Seconds * 1e3;
  state.counters["time_ratio"] = merge.Seconds / load.Seconds;
  state.counters["load_peak_MB"] = double(load.PeakBytes) / 1e6;
  state.counters["merge_peak_MB"] = double(merge.PeakBytes) / 1e6;
  state.counters["memory_ratio"] = double(merge.PeakBytes) / double(load.PeakBytes);
}
BENCHMARK(BM_MergeAgainstLoading)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
