#pragma once
// When the log area's loads run: one at a time (TQBLoadGate). Open, Append, Refresh, a dropped file and
// the command-line file each run as one load with the window's progress around it; a load asked for
// while one runs (a drop or the command-line load posted meanwhile, a reload) waits and starts when
// the running load has ended, and a close request waits too and is carried out first. Dropped files
// and the command line are taken from the event loop, so the drag source and the window's start are
// not kept waiting. The window supplies the event loop (post), the progress and the reports, so the
// scheduling is tested without a window.

#include "model/QBLogLoader.h"
#include "shell/QBLoadGate.h"

#include <QStringList>

#include <functional>

class IQBAreaFeedback;
class TQBLogCommands;

// The window's side of a running load: from Begin to End its progress is shown and the window's
// input held back; the load reports its progress to it.
class IQBLoadProgress : public IQBLogLoadEvents {
public:
  virtual void Begin() = 0;
  virtual void End() = 0;
};

class TQBLoadScheduler {
public:
  struct TParts {
    TQBLogCommands& Commands;
    IQBLoadProgress& Progress;
    IQBAreaFeedback& Feedback;  // the report of a command-line file that does not exist
    // Hands work to the event loop, to run after the current event.
    std::function<void(TQBLoadGate::TWork)> Post;
    // After every load, before its progress ends: the views' selection notices were held back.
    std::function<void()> LoadEnded;
  };
  explicit TQBLoadScheduler(TParts parts);

  // Busy from a load's first question to its last report.
  const TQBLoadGate& Gate() const { return FGate; }
  // Load(path, append) as Open and Append run it after their dialogs. While another load runs it
  // waits for it and false is returned.
  bool LoadFile(const QString& path, bool append);
  // Merges the files by time (TQBLogCommands::Merge) as Merge Logs runs it after its dialog; while
  // another load runs it waits for it and false is returned.
  bool MergeFiles(const QStringList& paths);
  // Loads the current file again, now or after the load that runs.
  void Refresh();
  // Files dropped on the window: loaded from the event loop, after a load that runs. With merge (the
  // drop was made with Shift held) several files are merged by time instead.
  void Drop(const QStringList& files, bool merge = false);
  // The command line: exactly one argument naming a file loads it from the event loop; one naming no
  // file is reported, and none or more than one load nothing. "--merge" followed by files merges them
  // (a file that does not exist is reported and nothing is merged). done runs from the event loop once the
  // command line has been handled, whatever it held (the window then opens the last project).
  void PostCommandLine(const QStringList& args, std::function<void()> done);
  // The log's part of a close request: false keeps the window open. While a load runs, the close
  // waits for it, and close runs once it has ended.
  bool CanClose(std::function<void()> close);

private:
  // Runs work now, or after the load that runs.
  void WhenIdle(std::function<void()> work);
  void PostCommandLineMerge(const QStringList& files, std::function<void()> done);
  bool RunLoad(const std::function<bool(IQBLogLoadEvents*)>& load);

  TParts P;
  TQBLoadGate FGate;
};
