#pragma once
// The generated log the benchmarks share: QB_BENCH_COUNT messages (default 1,000,000), seed 1,
// written once into the temporary folder and reused by later runs.

#include <QString>

#include <cstdint>

int64_t BenchCount();
// The log's path; generated on the first call when the file is not there yet.
const QString& BenchLog();
