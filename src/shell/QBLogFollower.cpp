#include "shell/QBLogFollower.h"

#include <QFileInfo>

TQBLogFollower::TQBLogFollower(TQBLogState& state, TQBMessageAdder& adder, IQBFollowWindow& window,
                               IQBAreaFeedback& feedback, IQBLogLoadEvents* events)
    : FState(state), FAdder(adder), FWindow(window), FFeedback(feedback), FEvents(events) {
  FReadTimer.setSingleShot(true);
  FPollTimer.setInterval(PollMs);
  connect(&FReadTimer, &QTimer::timeout, this, &TQBLogFollower::ReadNow);
  connect(&FPollTimer, &QTimer::timeout, this, &TQBLogFollower::ReadNow);
  connect(&FWatcher, &QFileSystemWatcher::fileChanged, this, [this] { ScheduleRead(GatherMs); });
  connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
    // A file that was removed or renamed is no longer watched; one that took its name is watched anew.
    if (FTail.Following() && !FWatcher.files().contains(FTail.Path())) Watch(FTail.Path());
    ScheduleRead(GatherMs);
  });
}

void TQBLogFollower::SetOn(bool on) {
  if (on == FOn) return;
  FOn = on;
  if (!on) {
    StopFollowing();
    return;
  }
  if (FLoadedPath.isEmpty() || FLoadedPath != FState.CurrentFile) return;
  // That load read a record still being written, with zeros for its missing bytes; going on after it
  // would read the record a second time once it is whole.
  if (FLoaded.LastRecordCut) {
    Reload(FLoadedPath, TQBFollowReload::RecordCut);
    return;
  }
  StartFollowing();
  ScheduleRead(0);
}

void TQBLogFollower::LoadEnded(const QString& path, const TQBLoadResult& result) {
  StopFollowing();
  const bool current = result.Ok() && !FState.CurrentFile.isEmpty() &&
                       QFileInfo(path).absoluteFilePath() == FState.CurrentFile;
  FLoadedPath = current ? FState.CurrentFile : QString();
  FLoaded = result;
  if (current && FOn) StartFollowing();
}

void TQBLogFollower::FileSaved(const QString& path) {
  if (!FTail.Following() || QFileInfo(path).absoluteFilePath() != FTail.Path()) return;
  // The file now holds what the view held: following goes on after it.
  TQBLoadResult saved;
  saved.FileId = qbfile::IdOfPath(FTail.Path());
  saved.EndOffset = QFileInfo(FTail.Path()).size();
  FLoaded = saved;
  StartFollowing();
}

void TQBLogFollower::Cleared() {
  StopFollowing();
  FLoadedPath.clear();
}

void TQBLogFollower::StartFollowing() {
  FTail.Start(FLoadedPath, FLoaded.FileId, FLoaded.EndOffset);
  Watch(FLoadedPath);
}

void TQBLogFollower::StopFollowing() {
  FTail.Stop();
  FReadTimer.stop();
  FPollTimer.stop();
  if (!FWatcher.files().isEmpty()) FWatcher.removePaths(FWatcher.files());
  if (!FWatcher.directories().isEmpty()) FWatcher.removePaths(FWatcher.directories());
}

void TQBLogFollower::Watch(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!FWatcher.directories().contains(folder)) FWatcher.addPath(folder);
  // A file system without notices for the file (or a file missing for the moment) is polled.
  const bool noticed = FWatcher.files().contains(path) || FWatcher.addPath(path);
  if (noticed)
    FPollTimer.stop();
  else if (!FPollTimer.isActive())
    FPollTimer.start();
}

void TQBLogFollower::ScheduleRead(int delayMs) {
  if (!FTail.Following()) return;
  // A read already due comes first; a burst of notices does not put it off.
  if (!FReadTimer.isActive()) FReadTimer.start(delayMs);
}

void TQBLogFollower::ReadNow() {
  if (!FTail.Following()) return;
  if (!FWindow.CanAddMessages()) {
    FReadTimer.start(BusyRetryMs);
    return;
  }
  // Followed messages are part of the file: the adding path marks the log modified, which they undo.
  const bool modified = FState.Modified;
  FWindow.BeginAdding();
  TQBLogTail::TResult result;
  try {
    result = FTail.ReadNew(FAdder, FEvents);
  } catch (...) {
    FState.Modified = modified;
    FWindow.EndAdding(0);
    throw;
  }
  FState.Modified = modified;
  FWindow.EndAdding(result.MessagesAdded);
  Finish(result);
}

void TQBLogFollower::Finish(const TQBLogTail::TResult& result) {
  using TStatus = TQBLogTail::TStatus;
  const QString path = FTail.Path().isEmpty() ? FLoadedPath : FTail.Path();
  switch (result.Status) {
    case TStatus::Unchanged:
      // A file that is missing for the moment is watched again once it is back.
      if (FTail.Following() && !FWatcher.files().contains(path)) Watch(path);
      break;
    case TStatus::Read:
      if (result.More) ScheduleRead(0);
      break;
    case TStatus::Truncated:
    case TStatus::Replaced:
      StopFollowing();
      Reload(path, result.Status == TStatus::Truncated ? TQBFollowReload::Truncated : TQBFollowReload::Replaced);
      break;
    case TStatus::Invalid:
      SwitchOff();
      FWindow.ReportInvalidLog(path);
      break;
    case TStatus::OpenFailed:
      SwitchOff();
      FFeedback.ReportError(QStringLiteral("Following \"%1\" has stopped. %2").arg(path, result.Error));
      break;
  }
}

void TQBLogFollower::Reload(const QString& path, TQBFollowReload reason) {
  FWindow.ReloadFollowedFile(path, reason);
  // A reload that did not make the file current again (what took its name is no log file, the load
  // met an invalid record, the user cancelled) has said why; nothing is followed any more, and the
  // tick must not claim otherwise.
  if (FOn && !FTail.Following()) SwitchOff();
}

void TQBLogFollower::SwitchOff() {
  StopFollowing();
  FOn = false;
  FWindow.FollowingStopped();
}
