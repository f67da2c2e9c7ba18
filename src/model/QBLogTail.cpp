#include "model/QBLogTail.h"

#include "model/QBLogReader.h"

void TQBLogTail::Start(const QString& path, const TQBFileId& fileId, int64_t offset) {
  FPath = path;
  FFileId = fileId;
  FOffset = offset;
  FStart.clear();
}

void TQBLogTail::Stop() {
  FPath.clear();
  FStart.clear();
}

bool TQBLogTail::SameStart(const TQBLogReader& reader) const {
  return FStart.isEmpty() || reader.FirstBytes(int(FStart.size())) == FStart;
}

void TQBLogTail::NoteStart(const TQBLogReader& reader) {
  const int wanted = int(std::min<int64_t>(FOffset, FingerprintSize));
  if (FStart.size() < wanted) FStart = reader.FirstBytes(wanted);
}

TQBLogTail::TResult TQBLogTail::ReadNew(TQBMessageAdder& adder, IQBLogLoadEvents* events, int recordLimit) {
  TResult result;
  if (!Following()) return result;
  const TQBFileId now = qbfile::IdOfPath(FPath);
  // A log that is being rotated may be missing for a moment; whatever comes back is told by its identity.
  if (!now.Valid()) return result;
  if (!now.SameFile(FFileId)) {
    result.Status = TStatus::Replaced;
    return result;
  }
  TQBLogReader reader;
  reader.SetCompleteRecordsOnly(true);
  reader.SetMaxWaitedBody(FMaxWaitedBody);
  if (!reader.Open(FPath, FOffset)) {
    result.Status = TStatus::OpenFailed;
    result.Error = reader.ErrorString();
    Stop();
    return result;
  }
  // The name may have changed hands between the look at the path and the opening.
  if (!reader.FileId().SameFile(FFileId)) {
    result.Status = TStatus::Replaced;
    return result;
  }
  if (!reader.FileId().Regular) {
    result.Status = TStatus::OpenFailed;
    result.Error = QStringLiteral("It is not a regular file.");
    Stop();
    return result;
  }
  if (reader.FileSize() < FOffset || !SameStart(reader)) {
    result.Status = TStatus::Truncated;
    return result;
  }
  NoteStart(reader);
  if (reader.FileSize() == FOffset) return result;
  TQBRawMessage msg;
  while (result.MessagesAdded < recordLimit) {
    const auto read = reader.Next(msg);
    if (read == TQBLogReader::TResult::End || read == TQBLogReader::TResult::Incomplete) break;
    if (read == TQBLogReader::TResult::Invalid) {
      result.Status = TStatus::Invalid;
      result.Error = reader.InvalidReason();
      result.InvalidOffset = reader.RecordOffset();
      Stop();
      return result;
    }
    AddLogRecord(msg, adder, events);
    ++result.MessagesAdded;
    FOffset = reader.Position();
  }
  NoteStart(reader);
  result.More = result.MessagesAdded == recordLimit;
  if (result.MessagesAdded > 0) result.Status = TStatus::Read;
  return result;
}
