#include "model/QBLogLoader.h"

#include "model/QBLogReader.h"
#include "model/QBMessageTypes.h"

namespace {

constexpr int kProgressEvery = 4096;

// Separators carry fixed texts whatever the record holds.
void NormaliseSeparator(TQBRawMessage& msg) {
  static const char kDash[] = "-", kEquals[] = "=";
  if (msg.MsgType != qbmSeparator && msg.MsgType != qbmResetSeparator) return;
  msg.MsgText = {msg.MsgType == qbmSeparator ? kDash : kEquals, 1, TQBTextEncoding::Utf8};
  msg.Details = {};
  msg.TypeName = {};
}

}  // namespace

TQBLoadResult LoadLogFile(const QString& path, TQBMessageAdder& adder, IQBLogLoadEvents* events) {
  TQBLoadResult result;
  TQBLogReader reader;
  if (!reader.Open(path)) {
    result.Status = TQBLoadResult::TStatus::OpenFailed;
    result.Error = reader.ErrorString();
    return result;
  }
  TQBRawMessage msg;
  for (;;) {
    const auto read = reader.Next(msg);
    if (read == TQBLogReader::TResult::End) break;
    if (read == TQBLogReader::TResult::Invalid) {
      result.Status = TQBLoadResult::TStatus::InvalidRecord;
      result.Error = reader.InvalidReason();
      result.InvalidOffset = reader.RecordOffset();
      break;
    }
    NormaliseSeparator(msg);
    adder.AddMessage(msg);
    ++result.MessagesAdded;
    if (events) {
      if (msg.MsgType == qbmResetSeparator) events->ResetSeparatorAdded();
      if (msg.MsgType == qbmSeparator || msg.MsgType == qbmResetSeparator) events->SeparatorAdded();
      if (result.MessagesAdded % kProgressEvery == 0) events->Progress(reader.Position(), reader.FileSize());
    }
  }
  if (events) events->Progress(reader.Position(), reader.FileSize());
  return result;
}
