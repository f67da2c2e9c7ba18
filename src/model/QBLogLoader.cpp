#include "model/QBLogLoader.h"

#include "model/QBLogReader.h"
#include "model/QBMessageTypes.h"

namespace {

constexpr int kProgressEvery = 4096;
// Records of megabytes would make 4,096 of them a long wait between two reports, during which the
// window could neither repaint nor stop the load.
constexpr int64_t kProgressBytes = 4 << 20;

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

TQBLoadResult LoadLogFile(const QString& path, TQBMessageAdder& adder, IQBLogLoadEvents* events, TQBLoadMode mode) {
  TQBLoadResult result;
  TQBLogReader reader;
  reader.SetCompleteRecordsOnly(mode == TQBLoadMode::CompleteRecords);
  if (!reader.Open(path)) {
    result.Status = TQBLoadResult::TStatus::OpenFailed;
    result.Error = reader.ErrorString();
    return result;
  }
  result.FileId = reader.FileId();
  TQBRawMessage msg;
  int64_t reported = 0;
  for (;;) {
    const auto read = reader.Next(msg);
    if (read == TQBLogReader::TResult::End || read == TQBLogReader::TResult::Incomplete) break;
    if (read == TQBLogReader::TResult::Invalid) {
      result.Status = TQBLoadResult::TStatus::InvalidRecord;
      result.Error = reader.InvalidReason();
      result.InvalidOffset = reader.RecordOffset();
      break;
    }
    AddLogRecord(msg, adder, events);
    ++result.MessagesAdded;
    result.EndOffset = reader.Position();
    result.LastRecordCut = reader.BodyCut();
    if (events) {
      if (result.MessagesAdded % kProgressEvery != 0 && reader.Position() - reported < kProgressBytes) continue;
      reported = reader.Position();
      events->Progress(reported, reader.FileSize());
      if (events->StopRequested()) {
        result.Status = TQBLoadResult::TStatus::Stopped;
        return result;
      }
    }
  }
  if (events) events->Progress(reader.Position(), reader.FileSize());
  return result;
}
