#pragma once
// "Follow Log File": while it is on, records that another program appends to the current log file
// are read as they are completed and added through the adding path, like `tail -f`.
//
// Nothing runs while the file stays as it is: the follower waits for the file system's notices about
// the file and its folder (the folder tells of a file that was replaced or that came back). Notices
// come in bursts while a program writes, so one read follows a burst after a short delay; a read that
// stops at its record limit asks for the next one at once, so a large burst neither blocks the window
// nor waits. Where the file system gives no notices for the file, a slow poll takes their place.
//
// The window decides when messages may come in: not while a command of its own runs (a load, a save,
// a print, one of its dialogs); the read then waits until it may. Messages read by following are part
// of the file: they leave the modified flag as it was. A file that became shorter or was replaced is
// loaded again from its start by the window; an invalid record stops following with the invalid-log
// report, keeping what was read, and so does a record still being written that claims a body beyond
// the limit. A file that cannot be followed any more (it became a device, a reload of it failed)
// switches following off with its report.

#include "model/QBLogTail.h"
#include "shell/QBCommandRules.h"
#include "shell/QBLogCommands.h"
#include "shell/QBLogState.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

enum class TQBFollowReload {
  Truncated,   // the file became shorter (or was written anew from its start)
  Replaced,    // another file took its name
  RecordCut,   // following was switched on after a load that read a record still being written
};

class IQBFollowWindow {
public:
  virtual ~IQBFollowWindow() = default;
  // False while a command of the window runs: followed messages then wait.
  virtual bool CanAddMessages() = 0;
  // Around the messages of one read: the current view is held in an update bracket, and when its
  // current row was the last row, the new last row becomes current and stays in sight. added is the
  // number of messages the read added (0 when the file had nothing new).
  virtual void BeginAdding() = 0;
  virtual void EndAdding(int added) = 0;
  // The followed file must be loaded again from its start (Load, append off); the window says why.
  virtual void ReloadFollowedFile(const QString& path, TQBFollowReload reason) = 0;
  virtual void ReportInvalidLog(const QString& path) = 0;
  // Following switched itself off (an invalid record, a file that cannot be read): the command's tick
  // goes.
  virtual void FollowingStopped() = 0;
};

class TQBLogFollower : public QObject, public IQBLogFileListener, public IQBCommandInputSource {
  Q_OBJECT
public:
  // Delay between a notice and the read it starts, gathering a burst of writes into one read.
  static constexpr int GatherMs = 30;
  // Retry while the window is busy; poll where the file system gives no notices.
  static constexpr int BusyRetryMs = 100;
  static constexpr int PollMs = 250;

  // feedback reports a file that can no longer be read.
  TQBLogFollower(TQBLogState& state, TQBMessageAdder& adder, IQBFollowWindow& window, IQBAreaFeedback& feedback,
                 IQBLogLoadEvents* events = nullptr);

  // The command's tick. Switched on with a current file, following starts where the file's last load
  // stopped (so whatever was appended meanwhile comes in at once).
  void SetOn(bool on);
  bool IsOn() const { return FOn; }
  // Whether a file is being followed now.
  bool Following() const { return FTail.Following(); }
  // How a load should read while following is on: leaving a record that is still being written.
  TQBLoadMode LoadMode() const override { return FOn ? TQBLoadMode::CompleteRecords : TQBLoadMode::Whole; }

  // Every load ends here (Open, Append, Refresh, a drop, a reload asked for by the follower): a load
  // that made path the current file is followed from where it stopped, any other ends following.
  void LoadEnded(const QString& path, const TQBLoadResult& result) override;
  // The file followed so far is no longer the log: following stops until a file is loaded.
  void LogsMerged() override { Cleared(); }
  // The view was saved to path: when it is the followed file, following goes on from its new end.
  void FileSaved(const QString& path) override;
  // The follower's part of the command-state record.
  void GatherInputs(TQBCommandInputs& in) const override { in.FollowLogFile = FOn; }
  // The store was emptied (Clear All): there is no current file to follow.
  void Cleared();

  // Reads whatever is complete now (what a notice leads to after GatherMs).
  void ReadNow();
  // A record that is still being written and claims a body larger than bytes makes the log invalid
  // there (default 64 MB, the setting MaxFollowRecord).
  void SetMaxRecordBody(int64_t bytes) { FTail.SetMaxWaitedBody(bytes); }

private:
  void StartFollowing();
  void StopFollowing();
  void Watch(const QString& path);
  void ScheduleRead(int delayMs);
  void Finish(const TQBLogTail::TResult& result);
  // The window loads the file again; following goes on when that made it current.
  void Reload(const QString& path, TQBFollowReload reason);
  // Following has stopped for good: the command's tick goes.
  void SwitchOff();

  TQBLogState& FState;
  TQBMessageAdder& FAdder;
  IQBFollowWindow& FWindow;
  IQBAreaFeedback& FFeedback;
  IQBLogLoadEvents* FEvents;
  TQBLogTail FTail;
  bool FOn = false;
  // The last load that made a file current, where following it starts.
  QString FLoadedPath;
  TQBLoadResult FLoaded;
  QFileSystemWatcher FWatcher;
  QTimer FReadTimer;
  QTimer FPollTimer;
};
