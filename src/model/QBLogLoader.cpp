#include "model/QBLogLoader.h"

#include "model/QBLogReader.h"
#include "model/QBMessageTypes.h"
#include "model/QBRecordBatches.h"


namespace {

constexpr int kProgressEvery = 4096;
// Records of megabytes would make 4,096 of them a long wait between two reports, during which the
// window could neither repaint nor stop the load.
constexpr int64_t kProgressBytes = 4 << 20;
// Files from this size are read on a thread of their own when the load may use two.
constexpr int64_t kAlongsideFrom = int64_t(4) << 20;

// Separators carry fixed texts whatever the record holds.
void NormaliseSeparator(TQBRawMessage& msg) {
  static const char kDash[] = "-", kEquals[] = "=";
  if (msg.MsgType != qbmSeparator && msg.MsgType != qbmResetSeparator) return;
  msg.MsgText = {msg.MsgType == qbmSeparator ? kDash : kEquals, 1, TQBTextEncoding::Utf8};
  msg.Details = {};
  msg.TypeName = {};
}

}  // namespace

void AddLogRecord(TQBRawMessage& msg, TQBMessageAdder& adder, IQBLogLoadEvents* events) {
  NormaliseSeparator(msg);
  adder.AddMessage(msg);
  if (!events) return;
  if (msg.MsgType == qbmResetSeparator) events->ResetSeparatorAdded();
  if (msg.MsgType == qbmSeparator || msg.MsgType == qbmResetSeparator) events->SeparatorAdded();
}

namespace {

// What happens around each record a load reads, whichever thread read it: the adding path, the
// result, and progress reports with the chance to stop.
class TLoadSteps {
public:
  TLoadSteps(TQBLoadResult& result, TQBMessageAdder& adder, IQBLogLoadEvents* events, int64_t fileSize)
      : FResult(result), FAdder(adder), FEvents(events), FFileSize(fileSize) {}

  // Adds the record that ends at endOffset; false when the caller asked to stop there.
  bool Add(TQBRawMessage& msg, int64_t endOffset, bool bodyCut) {
    AddLogRecord(msg, FAdder, FEvents);
    ++FResult.MessagesAdded;
    FResult.EndOffset = endOffset;
    FResult.LastRecordCut = bodyCut;
    if (!FEvents) return true;
    if (FResult.MessagesAdded % kProgressEvery != 0 && endOffset - FReported < kProgressBytes) return true;
    FReported = endOffset;
    FEvents->Progress(FReported, FFileSize);
    if (!FEvents->StopRequested()) return true;
    FResult.Status = TQBLoadResult::TStatus::Stopped;
    return false;
  }
  void Invalid(const QString& reason, int64_t offset) {
    FResult.Status = TQBLoadResult::TStatus::InvalidRecord;
    FResult.Error = reason;
    FResult.InvalidOffset = offset;
  }
  // Reading ended at position.
  void Finish(int64_t position) {
    if (FEvents) FEvents->Progress(position, FFileSize);
  }

private:
  TQBLoadResult& FResult;
  TQBMessageAdder& FAdder;
  IQBLogLoadEvents* FEvents;
  int64_t FFileSize;
  int64_t FReported = 0;
};

void LoadInTurn(TQBLogReader& reader, TLoadSteps& steps) {
  TQBRawMessage msg;
  for (;;) {
    const auto read = reader.Next(msg);
    if (read == TQBLogReader::TResult::Record) {
      if (!steps.Add(msg, reader.Position(), reader.BodyCut())) return;
      continue;
    }
    if (read == TQBLogReader::TResult::Invalid) steps.Invalid(reader.InvalidReason(), reader.RecordOffset());
    break;
  }
  steps.Finish(reader.Position());
}

// The reader runs ahead on a thread of its own; records are added here, in file order.
void LoadAlongside(TQBLogReader& reader, TLoadSteps& steps) {
  TQBBatchReader batches(reader);
  for (;;) {
    const TQBRecordBatch& batch = batches.Next();
    for (const TQBBatchRecord& record : batch.Records) {
      TQBRawMessage msg = record.Message;
      if (!steps.Add(msg, record.EndOffset, record.BodyCut)) return;
    }
    if (!batch.Last) continue;
    if (batch.Ending == TQBLogReader::TResult::Invalid) steps.Invalid(batch.InvalidReason, batch.InvalidOffset);
    steps.Finish(batch.EndPosition);
    return;
  }
}

}  // namespace

// One: reading on a thread of its own has not yet paid where it was measured (on an idle 2-core machine
// it doubled the wall time of a load, the hand-over of batches costing more than the overlap gains).
int DefaultLoadThreads() { return 1; }

TQBLoadResult LoadLogFile(const QString& path, TQBMessageAdder& adder, IQBLogLoadEvents* events, TQBLoadMode mode,
                          int threads) {
  TQBLoadResult result;
  TQBLogReader reader;
  reader.SetCompleteRecordsOnly(mode == TQBLoadMode::CompleteRecords);
  if (!reader.Open(path)) {
    result.Status = TQBLoadResult::TStatus::OpenFailed;
    result.Error = reader.ErrorString();
    return result;
  }
  result.FileId = reader.FileId();
  TLoadSteps steps(result, adder, events, reader.FileSize());
  if (threads == 0) threads = DefaultLoadThreads();
  // A short file is read before a thread would have started.
  if (threads >= 2 && reader.FileSize() >= kAlongsideFrom) LoadAlongside(reader, steps);
  else LoadInTurn(reader, steps);
  return result;
}
