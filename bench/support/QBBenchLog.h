#pragma once
// The generated log the benchmarks share: QB_BENCH_COUNT messages (default 1,000,000), seed 1,
// written once into the temporary folder and reused by later runs.

#include "QBGenContent.h"

#include <QString>

#include <cstdint>

int64_t BenchCount();
// The log's path; generated on the first call when the file is not there yet.
const QString& BenchLog();
// The same count and seed with a shape of its own (the numbers of applications, processes, threads
// and categories); the shape is part of the file name.
QString BenchLog(const qbgen::TGenShape& shape);
// A log of count messages (seed 1) kept in folder across runs: generated under a temporary name and
// renamed when complete, so an interrupted run never leaves a short log behind.
QString CachedLog(const QString& folder, int64_t count);
// Bytes the heap holds now (allocated blocks and mapped ones), for memory figures. The store's large
// record and text blocks are mapped outside the heap and not counted here: see ResidentBytes.
int64_t HeapBytesInUse();
// The process's resident memory now, the store's own mappings included. ReturnFreeMemory first gives
// the heap's free pages back, so that what an earlier measure freed does not lower a later one.
int64_t ResidentBytes();
void ReturnFreeMemory();
