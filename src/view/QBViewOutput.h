#pragma once
// What the file outputs of a view share: which messages go out, progress reporting, and a target file
// that only replaces an existing file once everything was written.

#include "view/QBViewHooks.h"
#include "view/QBViewRows.h"

#include "model/QBMessageTypes.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace qboutput {

// Every message a file output writes, in order: every row, and for a collapsed method its hidden body
// and exit too, which together are all items in item order; application start separators are left out.
template <typename F>
void ForEachWrittenItem(const TQBViewRows& rows, F f) {
  const TQuillboxMessageSet& set = rows.MessageSet();
  for (int item = 0; item < rows.ItemCount(); ++item)
    if (qbtypes::IsWritten(set.At(rows.ItemRecNo(item)).MsgType())) f(item);
}

// The type name the exports write: the short name, "Custom" from 100 up, "Unknown" for 45..99.
QString TypeNameOf(int32_t code);
// The same as UTF-8 bytes from a table built once, for writers that go through millions of messages.
QByteArrayView TypeNameUtf8Of(int32_t code);

}  // namespace qboutput

// Starts a progress bar with a total and ends it when the scope ends, also on failure.
class TQBProgressScope {
public:
  TQBProgressScope(IQBProgressSink* sink, int total) : FSink(sink) {
    if (FSink) FSink->SetProgressTotal(total);
  }
  ~TQBProgressScope() {
    if (FSink) FSink->SetProgressTotal(0);
  }
  void Step() {
    if (FSink) FSink->StepProgress();
  }
  TQBProgressScope(const TQBProgressScope&) = delete;
  TQBProgressScope& operator=(const TQBProgressScope&) = delete;

private:
  IQBProgressSink* FSink;
};

// A file written through a temporary beside it: the target is replaced only by Commit, so a failed
// write leaves any previous file whole. Writes are gathered into large blocks. A target that exists
// and is not a regular file (a device node, a pipe, a folder) is refused, never replaced. Replacing
// gives the path a new file: a hard link to the old one keeps the old contents.
class TQBOutputFile {
public:
  explicit TQBOutputFile(const QString& path) : FFile(path) {}
  // False with ErrorString() set when the file cannot be created or the target is not a regular file.
  bool Open();
  // Buffers bytes; false once a write to the file failed.
  bool Write(QByteArrayView bytes);
  // Drops everything written so far (to start over in another encoding).
  bool Restart();
  // Writes what is buffered and replaces the target; false on failure.
  bool Commit();
  // Bytes that reached the file so far (not counting the buffer).
  qint64 BytesWritten() const { return FWritten; }
  bool Flush();
  QString ErrorString() const;

private:
  static constexpr qsizetype FlushSize = qsizetype(1) << 20;
  QSaveFile FFile;
  QString FRefusal;  // why the target was refused; empty when it was not
  QString FWriteError;  // the system's reason for the first write that failed
  QByteArray FBuffer;
  qint64 FWritten = 0;
  bool FFailed = false;
};
