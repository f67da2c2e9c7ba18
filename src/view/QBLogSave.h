#pragma once
// Saves the messages of a view as a log file: every row, with the hidden bodies of collapsed methods,
// without application start separators. The file is written beside the target and replaces it only
// when every record was written, so a failed save never destroys the previous file.

#include "view/QBSaveFailure.h"
#include "view/QBViewHooks.h"
#include "view/QBViewRows.h"

#include <QString>

struct TQBSaveResult {
  bool Ok = true;
  // The store record number of the first message that could not be written; -1 when the file could
  // not be created or replaced.
  int FailedRecNo = -1;
  // The complete text to report.
  QString Message;
  // The system's reason for the failure ("No space left on device"); the window's report of a message
  // that could not be written has a fixed text, a one-line report names this instead.
  QString Reason;
};

TQBSaveResult SaveViewToFile(const TQBViewRows& rows, const QString& path, IQBProgressSink* progress = nullptr);

// "Message #<recNo> could not be saved to the log file: ..." naming the file.
QString SaveFailureMessage(int recNo, const QString& path);

// Raises the failure of a save to path: TQBSaveFailure when a message could not be written,
// std::runtime_error with the text otherwise. Nothing when it succeeded.
void RaiseSaveFailure(const TQBSaveResult& result, const QString& path);
