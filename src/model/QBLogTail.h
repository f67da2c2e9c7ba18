#pragma once
// Follows a log file that another program keeps appending to, like `tail -f`: each ReadNew adds the
// records completed since the last one through the adding path and remembers where the next record
// starts. A record still being written stays in the file until it is whole.
//
// Each ReadNew opens the file again and checks that it is still the file that was read: the same
// identity (a rotated or replaced log has a new one), at least as long as what was read (a truncated
// log is shorter) and starting with the same bytes (a log truncated and written again past the old
// length). Any of these makes the caller load the file from its start. Records are checked by the
// same reader as a load, so an invalid record stops following exactly where a load would stop.

#include "model/QBLogLoader.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class TQBLogTail {
public:
  enum class TStatus {
    Unchanged,   // nothing new is complete (or the file is missing for the moment)
    Read,        // records were added; More says whether the file held further ones
    Truncated,   // the file is shorter than what was read, or starts differently: load it again
    Replaced,    // another file has taken the name: load it again
    Invalid,     // a record failed its checks: following has stopped
    OpenFailed,  // the file could not be opened or is no plain file: following has stopped
  };
  struct TResult {
    TStatus Status = TStatus::Unchanged;
    int MessagesAdded = 0;
    bool More = false;          // Read: the call stopped at its record limit
    QString Error;              // Invalid: what the check found; OpenFailed: the system's reason
    int64_t InvalidOffset = -1; // Invalid: byte offset of the bad record
  };

  // Records per ReadNew unless the caller says otherwise: enough for a burst of a second at a high
  // rate, few enough that the window stays responsive between two calls.
  static constexpr int DefaultRecordLimit = 20000;
  // The largest body a record still being written may claim (TQBLogReader::SetMaxWaitedBody).
  static constexpr int64_t DefaultMaxWaitedBody = int64_t(64) << 20;

  // Begins following the file at path, known as fileId, whose records up to offset are in the store.
  void Start(const QString& path, const TQBFileId& fileId, int64_t offset);
  void Stop();
  bool Following() const { return !FPath.isEmpty(); }
  const QString& Path() const { return FPath; }
  // Where the next record starts.
  int64_t Offset() const { return FOffset; }
  // A record not yet whole that claims a body larger than bytes is Invalid instead of waited for.
  void SetMaxWaitedBody(int64_t bytes) { FMaxWaitedBody = bytes; }

  // Adds the records completed since the last call, at most recordLimit of them. Invalid and
  // OpenFailed stop following; Truncated and Replaced leave it to the caller to load the file again
  // and Start anew.
  TResult ReadNew(TQBMessageAdder& adder, IQBLogLoadEvents* events = nullptr,
                  int recordLimit = DefaultRecordLimit);

private:
  // Whether the file starts with the bytes it started with when they were read.
  bool SameStart(const class TQBLogReader& reader) const;
  // Remembers the file's first bytes, as far as they have been read.
  void NoteStart(const class TQBLogReader& reader);

  QString FPath;
  TQBFileId FFileId;
  int64_t FOffset = 0;
  int64_t FMaxWaitedBody = DefaultMaxWaitedBody;
  QByteArray FStart;  // the first bytes of the file, up to FingerprintSize, once they were read
  static constexpr int FingerprintSize = 256;  // the first record's header and some of its text
};
