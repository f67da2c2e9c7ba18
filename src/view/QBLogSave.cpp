#include "view/QBLogSave.h"

#include "view/QBViewOutput.h"

#include "model/QBLogWriter.h"

#include <QDir>

#include <utility>
#include <vector>

TQBSaveFailure::TQBSaveFailure(int recNo, const QString& path)
    : std::runtime_error(SaveFailureMessage(recNo, path).toStdString()), FRecNo(recNo), FPath(path) {}

void RaiseSaveFailure(const TQBSaveResult& result, const QString& path) {
  if (result.Ok) return;
  if (result.FailedRecNo >= 0) throw TQBSaveFailure(result.FailedRecNo, path);
  throw std::runtime_error(result.Message.toStdString());
}

QString SaveFailureMessage(int recNo, const QString& path) {
  return QStringLiteral(
             "Message #%1 could not be saved to the log file:\r%2\r\rThis may be the result of one of the "
             "following:\r  - The file path is no longer accessible\r  - There is no more room on the disk\r"
             "The remaining messages have not been saved.")
      .arg(recNo)
      .arg(QDir::toNativeSeparators(path));
}

namespace {

constexpr qsizetype kBlockSize = qsizetype(1) << 20;

// Records gathered into blocks; remembers where each record ends so a failed block names the first
// message that did not reach the file.
class TRecordBlock {
public:
  void Add(const TQBRawMessage& msg, int recNo) {
    AppendLogRecord(FBytes, msg);
    FEnds.emplace_back(FBytes.size(), recNo);
  }
  bool Full() const { return FBytes.size() >= kBlockSize; }
  // Writes the block; on failure returns the record number of the first record not fully written.
  int WriteTo(TQBOutputFile& out) {
    const qint64 before = out.BytesWritten();
    const bool ok = out.Write(FBytes) && out.Flush();
    int failed = -1;
    if (!ok) {
      const qint64 done = out.BytesWritten() - before;
      for (const auto& [end, recNo] : FEnds)
        if (end > done) {
          failed = recNo;
          break;
        }
    }
    FBytes.clear();
    FEnds.clear();
    return failed;
  }

private:
  QByteArray FBytes;
  std::vector<std::pair<qsizetype, int>> FEnds;
};

}  // namespace

TQBSaveResult SaveViewToFile(const TQBViewRows& rows, const QString& path, IQBProgressSink* progress) {
  TQBSaveResult result;
  TQBOutputFile out(path);
  if (!out.Open()) {
    result.Ok = false;
    result.Reason = out.ErrorString();
    result.Message = QStringLiteral("Cannot create the file %1: %2").arg(QDir::toNativeSeparators(path), out.ErrorString());
    return result;
  }
  TQBProgressScope bar(progress, rows.RowCount());
  const TQuillboxMessageSet& set = rows.MessageSet();
  TRecordBlock block;
  int failed = -1;
  qboutput::ForEachWrittenItem(rows, [&](int item) {
    if (failed >= 0) return;
    const int recNo = rows.ItemRecNo(item);
    block.Add(RawMessageOf(set.At(recNo)), recNo);
    bar.Step();
    if (block.Full()) failed = block.WriteTo(out);
  });
  if (failed < 0) failed = block.WriteTo(out);
  if (failed >= 0) {
    result.Ok = false;
    result.FailedRecNo = failed;
    result.Message = SaveFailureMessage(failed, path);
    result.Reason = out.ErrorString();
  } else if (!out.Commit()) {
    // Every record was written but the file could not take the place of the old one.
    result.Ok = false;
    result.Reason = out.ErrorString();
    result.Message = QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), out.ErrorString());
  }
  return result;
}
