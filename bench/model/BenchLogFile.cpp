// Loading a generated log into the store, against plainly reading the same file; and the generator's
// write speed. The log size follows QB_BENCH_COUNT (default 1,000,000 messages), except for the core
// load, which names its sizes and keeps its logs in the build folder.

#include "QBBenchLog.h"
#include "QBLogGenerator.h"
#include "model/QBLogLoader.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void BM_ReadFile(benchmark::State& state) {
  BenchLog();
  std::vector<char> buffer(size_t(1) << 20);
  for (auto _ : state) {
    FILE* f = std::fopen(BenchLog().toLocal8Bit().constData(), "rb");
    size_t total = 0, n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) total += n;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * QFileInfo(BenchLog()).size());
}
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);

void BM_LoadIntoStore(benchmark::State& state) {
  BenchLog();
  int64_t used = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto set = std::make_unique<TQuillboxMessageSet>();
    TQBMessageAdder adder(*set);
    state.ResumeTiming();
    LoadLogFile(BenchLog(), adder);
    used = set->MemoryUsed();
    state.PauseTiming();
    set.reset();
    state.ResumeTiming();
  }
  const int64_t fileSize = QFileInfo(BenchLog()).size();
  state.SetBytesProcessed(int64_t(state.iterations()) * fileSize);
  state.counters["file_MB"] = double(fileSize) / 1e6;
  state.counters["store_MB"] = double(used) / 1e6;
}
BENCHMARK(BM_LoadIntoStore)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Reading the whole file into a buffer from the page cache: the floor any load is compared with.
double ReadFileSeconds(const QString& path) {
  std::vector<char> buffer(size_t(1) << 20);
  const auto start = std::chrono::steady_clock::now();
  FILE* f = std::fopen(path.toLocal8Bit().constData(), "rb");
  size_t total = 0, n;
  while (f && (n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) total += n;
  if (f) std::fclose(f);
  benchmark::DoNotOptimize(total);
  return Seconds(std::chrono::steady_clock::now() - start);
}

double MedianReadSeconds(const QString& path) {
  ReadFileSeconds(path);  // into the page cache
  std::vector<double> runs;
  for (int i = 0; i < 7; ++i) runs.push_back(ReadFileSeconds(path));
  std::nth_element(runs.begin(), runs.begin() + 3, runs.end());
  return runs[3];
}

// The core load as qbltool stats does it: open, read every record into an empty store through the
// adding path, free the store; the second argument is the load's thread count. read_x is its time
// over the plain read of the same file; mem_x the store's memory over the file size.
void BM_CoreLoad(benchmark::State& state) {
  const QString log = CachedLog(QStringLiteral(QB_BENCH_LOG_DIR), state.range(0));
  const double read = MedianReadSeconds(log);
  double loading = 0;
  int64_t used = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    {
      TQuillboxMessageSet set;
      TQBMessageAdder adder(set);
      LoadLogFile(log, adder, nullptr, TQBLoadMode::Whole, int(state.range(1)));
      used = set.MemoryUsed();
    }
    loading += Seconds(std::chrono::steady_clock::now() - start);
  }
  const int64_t fileSize = QFileInfo(log).size();
  state.SetBytesProcessed(int64_t(state.iterations()) * fileSize);
  state.counters["read_ms"] = read * 1e3;
  state.counters["read_x"] = loading / double(state.iterations()) / read;
  state.counters["mem_x"] = double(used) / double(fileSize);
}
// The 10,000,000-message log is 2.4 GB: --benchmark_filter='CoreLoad/messages:1000000/' leaves it out.
BENCHMARK(BM_CoreLoad)->ArgNames({"messages", "threads"})->Args({1000000, 1})->Args({1000000, 2})->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CoreLoad)->ArgNames({"messages", "threads"})->Args({10000000, 1})->Args({10000000, 2})->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_Generate(benchmark::State& state) {
  const QString path = QDir::temp().filePath(QStringLiteral("qb-bench-gen.qbl"));
  for (auto _ : state) GenerateLog(path, {state.range(0), 7}, nullptr);
  state.SetBytesProcessed(int64_t(state.iterations()) * QFileInfo(path).size());
  QFile::remove(path);
}
BENCHMARK(BM_Generate)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
