#include "model/QBLogMerge.h"

#include "model/QBLogReader.h"
#include "model/QBTimeStamp.h"

#include <memory>
#include <queue>

int64_t UtcInstant(int32_t date, int32_t time, int32_t bias) {
  return int64_t(date) * qbtime::MsPerDay + time + int64_t(bias) * 60000;
}

namespace {

constexpr int kProgressEvery = 4096;
// As for a load: records of megabytes would make 4,096 of them a long wait between two reports.
constexpr int64_t kProgressBytes = 4 << 20;
// What one log's reader buffers when loaded alone; the merged logs share it.
constexpr size_t kReadBuffer = size_t(1) << 20;

// One log being merged: its reader and the record it read ahead.
struct TMergeInput {
  TQBLogReader Reader;
  TQBRawMessage Head;
  int64_t Instant = 0;
  int Read = 0;
};

// Reads the next record of input log; false when the log has no more (its end, or an invalid record,
// which result then lists).
bool Advance(TMergeInput& input, int log, TQBMergeResult& result) {
  const auto read = input.Reader.Next(input.Head);
  if (read == TQBLogReader::TResult::Record) {
    input.Instant = UtcInstant(input.Head.Date, input.Head.Time, input.Head.TimeBias);
    return true;
  }
  if (read == TQBLogReader::TResult::Invalid)
    result.Invalid.push_back({log, input.Reader.InvalidReason(), input.Reader.RecordOffset(), input.Read});
  return false;
}

// The order of the heads: the earliest instant first, then the log given first.
struct THeadAfter {
  const std::vector<std::unique_ptr<TMergeInput>>* Inputs;
  bool operator()(int a, int b) const {
    const int64_t ia = (*Inputs)[size_t(a)]->Instant, ib = (*Inputs)[size_t(b)]->Instant;
    return ia != ib ? ia > ib : a > b;
  }
};

// Opens every log before anything is added, so a log that cannot be read leaves the store as it was.
bool OpenAll(const QStringList& paths, std::vector<std::unique_ptr<TMergeInput>>& inputs, TQBMergeResult& result) {
  for (int log = 0; log < paths.size(); ++log) {
    auto input = std::make_unique<TMergeInput>();
    input->Reader.SetInitialBuffer(kReadBuffer / size_t(paths.size()));
    if (!input->Reader.Open(paths[log])) {
      result.Status = TQBMergeResult::TStatus::OpenFailed;
      result.FailedLog = log;
      result.Error = input->Reader.ErrorString();
      return false;
    }
    result.FileIds.push_back(input->Reader.FileId());
    inputs.push_back(std::move(input));
  }
  result.EndOffsets.assign(inputs.size(), 0);
  return true;
}

void ReportProgress(const std::vector<std::unique_ptr<TMergeInput>>& inputs, IQBLogLoadEvents& events) {
  int64_t position = 0, size = 0;
  for (const auto& input : inputs) position += input->Reader.Position(), size += input->Reader.FileSize();
  events.Progress(position, size);
}

}  // namespace

TQBMergeResult MergeLogFiles(const QStringList& paths, TQBMessageAdder& adder, TQBSourceLogs* sources,
                             IQBLogLoadEvents* events) {
  TQBMergeResult result;
  if (paths.size() > TQBSourceLogs::MaxLogs) {
    result.Status = TQBMergeResult::TStatus::TooManyLogs;
    return result;
  }
  std::vector<std::unique_ptr<TMergeInput>> inputs;
  if (!OpenAll(paths, inputs, result)) return result;
  int firstLog = 0;
  if (sources) {
    firstLog = sources->LogCount();
    for (const QString& path : paths) sources->AddLog(path);
  }
  std::priority_queue<int, std::vector<int>, THeadAfter> heads(THeadAfter{&inputs});
  for (int log = 0; log < int(inputs.size()); ++log)
    if (Advance(*inputs[size_t(log)], log, result)) heads.push(log);
  TQuillboxMessageSet& set = adder.MessageSet();
  int64_t unreported = 0;  // bytes read since the last progress report
  while (!heads.empty()) {
    const int log = heads.top();
    heads.pop();
    TMergeInput& input = *inputs[size_t(log)];
    if (sources) sources->Assign(set.GetRecordCount() + 1, firstLog + log);
    AddLogRecord(input.Head, adder, events);
    ++input.Read;
    ++result.MessagesAdded;
    const int64_t before = result.EndOffsets[size_t(log)];
    result.EndOffsets[size_t(log)] = input.Reader.Position();
    unreported += result.EndOffsets[size_t(log)] - before;
    if (Advance(input, log, result)) heads.push(log);
    if (!events || (result.MessagesAdded % kProgressEvery != 0 && unreported < kProgressBytes)) continue;
    unreported = 0;
    ReportProgress(inputs, *events);
    if (events->StopRequested()) {
      result.Status = TQBMergeResult::TStatus::Stopped;
      return result;
    }
  }
  if (events) ReportProgress(inputs, *events);
  return result;
}
