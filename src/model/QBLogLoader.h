#pragma once
// Loads a .qbl file into the store through the adding path: reads record by record, turns separator
// records into their fixed texts and stops at the first record whose header is invalid, or when the
// caller asks it to stop, keeping the messages read before it.

#include "model/QBFileId.h"
#include "model/QBMessageAdder.h"
#include "model/QBRawMessage.h"

#include <QString>

#include <cstdint>

// What the window does around a load. All optional; the defaults do nothing.
class IQBLogLoadEvents {
public:
  virtual ~IQBLogLoadEvents() = default;
  // A reset separator was added: the current view starts its next message at nesting level 0.
  virtual void ResetSeparatorAdded() {}
  // A separator or reset separator was added: command states may have changed.
  virtual void SeparatorAdded() {}
  // Called every few thousand records, and after every few megabytes however few records they hold,
  // with the bytes read so far.
  virtual void Progress(int64_t position, int64_t size) { (void)position, (void)size; }
  // Asked after each progress report: true ends the load there, keeping what was read.
  virtual bool StopRequested() { return false; }
};

struct TQBLoadResult {
  enum class TStatus { Loaded, OpenFailed, InvalidRecord, Stopped };
  TStatus Status = TStatus::Loaded;
  int MessagesAdded = 0;
  QString Error;              // OpenFailed: the system's reason; InvalidRecord: what the check found
  int64_t InvalidOffset = -1; // InvalidRecord: byte offset of the bad record
  // Where reading stopped: the end of the last record read, which is where a reader following the
  // file goes on; and the identity of the file that was read.
  int64_t EndOffset = 0;
  TQBFileId FileId;
  // The last record was cut short by the end of the file and read with zeros (whole mode only): a
  // reader following the file cannot go on from there without reading that record a second time.
  bool LastRecordCut = false;
  bool Ok() const { return Status == TStatus::Loaded; }
};

// Whole: every record is read, a record cut short by the end of the file included (its missing body
// bytes count as zero; a cut header is invalid). CompleteRecords: a record the file does not hold
// whole yet is left unread, for a file that another program is still writing.
enum class TQBLoadMode { Whole, CompleteRecords };

// threads: 1 reads and adds in turn; 2 or more reads on a thread of its own while this one adds, for
// files of a few megabytes and up (the records, their order and every call the adder and the events
// see are the same); 0 takes DefaultLoadThreads().
TQBLoadResult LoadLogFile(const QString& path, TQBMessageAdder& adder, IQBLogLoadEvents* events = nullptr,
                          TQBLoadMode mode = TQBLoadMode::Whole, int threads = 0);
// One for now: reading alongside is asked for explicitly until it is shown to pay.
int DefaultLoadThreads();

// Adds one record read from a log as a message: separators get their fixed texts, and the events
// hear of separators. The one step that every reader of log files shares.
void AddLogRecord(TQBRawMessage& msg, TQBMessageAdder& adder, IQBLogLoadEvents* events);
