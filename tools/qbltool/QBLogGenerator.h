#pragma once
// Generates realistic .qbl logs for demos, tests and benchmarks: nested methods (some left open, some
// stray exits), every built-in type with details its inspector can show, custom types, several
// applications, processes, threads and categories, separators and a time line with gaps.
// Streaming: any count is written with constant memory. The same seed gives the same file.

#include "QBGenContent.h"

#include <QString>

#include <cstdint>

struct TQBGenOptions {
  int64_t Count = 10000;
  uint64_t Seed = 1;
  qbgen::TGenShape Shape;
};

// Writes the log to path; false with a message in *error when the file cannot be written.
bool GenerateLog(const QString& path, const TQBGenOptions& options, QString* error);
