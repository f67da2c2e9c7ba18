#pragma once
// What the window does while a log loads: a reset separator restarts the current view's nesting, the
// progress pane follows the bytes read, and every so often the window processes its events so it
// repaints. Meanwhile the only input to the window that gets through is a way out: Escape and the Stop
// button stop the load (what was read stays); every other key, click, wheel turn or shortcut is
// dropped, so no command can start inside the load. A dialog the load opens (the question before it,
// a report) takes its input as usual. Dropped files get through: the window queues them until the
// load has ended, as it does a close request (TQBLoadGate).

#include "shell/QBLoadScheduler.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class IQBMessageViewList;
class TQBStatusPanes;

class TQBLoadProgress final : public QObject, public IQBLoadProgress {
public:
  // currentList answers the current view's list interface (or null) at the time it is asked.
  TQBLoadProgress(TQBStatusPanes& panes, std::function<IQBMessageViewList*()> currentList);
  ~TQBLoadProgress() override;

  // Starts a load's progress: position 0 of 1,000 parts, the Stop button shown, input held back.
  void Begin() override;
  // Ends it: the progress pane empties and input flows again.
  void End() override;
  // Stops the running load at its next progress report.
  void RequestStop() { FStop = true; }

  void ResetSeparatorAdded() override;
  void Progress(int64_t position, int64_t size) override;
  // Stop, Escape, or a terminate signal.
  bool StopRequested() override;

  // Milliseconds between repaints: well under the 200 ms at which a window looks hung, with room for
  // a slow record batch.
  static constexpr int RepaintEveryMs = 50;
  static constexpr int Parts = 1000;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TQBStatusPanes& FPanes;
  std::function<IQBMessageViewList*()> FCurrentList;
  QElapsedTimer FSinceRepaint;
  int FLastPart = -1;
  bool FStop = false;
  bool FRunning = false;
};
