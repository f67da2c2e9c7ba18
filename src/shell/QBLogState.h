#pragma once
// The main window's log file state: the current file, the modified and loading flags and the folder
// the file dialogs start in, with the window title they make.

#include <QString>

struct TQBLogState {
  QString CurrentFile;   // full path of the file last opened or appended successfully
  bool Modified = false;
  bool Loading = false;  // while set, command states are not recomputed
  QString LastLogDir;

  // "*Trace.qbl - Quillbox File Viewer": the file name when there is one, "*" when modified.
  QString Title() const;
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
