// Loading a generated log into the store, against plainly reading the same file; and the generator's
// write speed. The log size follows QB_BENCH_COUNT (default 1,000,000 messages).

#include "QBBenchLog.h"
#include "QBLogGenerator.h"
#include "model/QBLogLoader.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

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

void BM_Generate(benchmark::State& state) {
  const QString path = QDir::temp().filePath(QStringLiteral("qb-bench-gen.qbl"));
  for (auto _ : state) GenerateLog(path, {state.range(0), 7}, nullptr);
  state.SetBytesProcessed(int64_t(state.iterations()) * QFileInfo(path).size());
  QFile::remove(path);
}
BENCHMARK(BM_Generate)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
