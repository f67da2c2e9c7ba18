#pragma once
// Drives qbappender, the separate process that appends records to a log the way an instrumented
// program does (see QBAppendingWriter.cpp for its commands). Each command waits for the process to
// answer that it is done, so the test knows what the file holds.

#include <quillbox/QuillboxMessageSet.h>

#include <QProcess>
#include <QString>

namespace qbtest {

class TAppenderProcess {
public:
  // Starts qbappender on path; the file is created when it is missing.
  explicit TAppenderProcess(const QString& path);
  ~TAppenderProcess();
  TAppenderProcess(const TAppenderProcess&) = delete;
  TAppenderProcess& operator=(const TAppenderProcess&) = delete;

  bool Started() const { return FStarted; }
  // Sends one command and waits up to timeoutMs for its "ok"; false when it did not come.
  bool Run(const QString& command, int timeoutMs = 30000);
  // Sends a command without waiting; Finished then waits for its "ok".
  void Send(const QString& command);
  bool Finished(int timeoutMs);

private:
  QProcess FProcess;
  bool FStarted = false;
};

// Sequence number of a message that qbappender wrote ("Message 17" -> 17), -1 for any other text.
long long AppendedNumber(const QString& text);

// Fails the test unless set holds expected messages from qbappender whose sequence numbers run 0, 1,
// 2, ... with nothing left out or doubled.
void ExpectUnbrokenSequence(const TQuillboxMessageSet& set, int expected);

}  // namespace qbtest
