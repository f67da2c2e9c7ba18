#pragma once
// Loads several logs into one store through the adding path, their messages interleaved by their UTC
// instant (the writer's local date and time plus its time bias). Equal instants keep the order of the
// logs as given, then each log's own record order. Each log's records keep their order: a log whose
// clock went back is not re-sorted, so what one process logged stays in the order it logged it.
//
// The merge reads every log at once, one record ahead each, and adds the earliest of those heads: it
// costs the memory of the store plus one read buffer per log, as loading them one after another does.

#include "model/QBFileId.h"
#include "model/QBLogLoader.h"
#include "model/QBMessageAdder.h"
#include "model/QBSourceLogs.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The instant a message was written, in milliseconds on the UTC clock since day 0.
int64_t UtcInstant(int32_t date, int32_t time, int32_t bias);

struct TQBMergeResult {
  enum class TStatus { Merged, OpenFailed, TooManyLogs, Stopped };
  TStatus Status = TStatus::Merged;
  int MessagesAdded = 0;
  // OpenFailed: the log that could not be opened (nothing was added) and the system's reason.
  int FailedLog = -1;
  QString Error;
  // A log that stopped at an invalid record; the messages read before it were merged.
  struct TInvalid {
    int Log = -1;
    QString Reason;
    int64_t Offset = -1;
    int MessagesRead = 0;
  };
  std::vector<TInvalid> Invalid;
  // Per log: the identity of the file read and where reading ended, for a reader following it.
  std::vector<TQBFileId> FileIds;
  std::vector<int64_t> EndOffsets;
  bool Ok() const { return Status == TStatus::Merged && Invalid.empty(); }
};

// Merges the logs at paths into adder's store. With sources, each log is added to it (in the order of
// paths) and every added record is assigned its log before the observers hear of it. events hears of
// separators and progress (the bytes of all logs together) and may stop the merge.
TQBMergeResult MergeLogFiles(const QStringList& paths, TQBMessageAdder& adder, TQBSourceLogs* sources,
                             IQBLogLoadEvents* events = nullptr);
