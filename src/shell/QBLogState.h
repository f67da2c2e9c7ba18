#pragma once
// The main window's log file state: the current file, the modified and loading flags and the folder
// the file dialogs start in, with the window title they make.

#include "model/QBSourceLogs.h"

#include <QList>
#include <QString>

// The outputs of the viewer made from the messages it holds.
enum class TQBOutputKind { Save, Export, Print };

struct TQBLogState {
  // A file whose messages were read into the store since it was last emptied.
  struct TInput {
    QString Path;  // full path
    bool Whole = true;  // false: the load stopped early (an invalid record, or Stop)
    bool Merged = false;  // one of several files merged by time: the store does not hold it alone
  };

  QString CurrentFile;   // full path of the file last opened or appended successfully
  QList<TInput> Inputs;  // in the order they were read
  bool Modified = false;
  bool Loading = false;  // while set, command states are not recomputed
  QString LastLogDir;
  // Which file each message came from when several were merged; empty otherwise.
  TQBSourceLogs Sources;

  // "*Trace.qbl - Quillbox File Viewer": the file name when there is one, "*" when modified.
  QString Title() const;
  // The store was emptied: no file is current, none is read and no message has a source log.
  void ForgetFiles();
  // The report when an output of kind may not be written to path (CheckOutput), empty when it may:
  // path is a device node or a pipe, or one of the inputs. A save may replace an input read whole, as
  // it writes what that file held; one read in part holds more than the store, and an export or a
  // report written over any input would lose the log it shows.
  QString OutputRefusal(const QString& path, TQBOutputKind kind) const;
};

#include "model/QBMessageAdder.h"

// The last observer of the adding path: every added message marks the log modified.
class TQBModifiedFlagObserver final : public IQBNewMessageObserver {
public:
  explicit TQBModifiedFlagObserver(TQBLogState& state) : FState(state) {}
  void NewMessageAdded(int) override { FState.Modified = true; }

private:
  TQBLogState& FState;
};
