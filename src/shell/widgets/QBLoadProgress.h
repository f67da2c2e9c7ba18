#pragma once
// What the window does while a log loads: a reset separator restarts the current view's nesting, the
// progress pane follows the bytes read, and every so often the window repaints. Repainting processes
// the window system's events except user input, so no key, click or drop can start a command inside
// the load; the window itself refuses to close while the loading flag is set.

#include "model/QBLogLoader.h"

#include <QElapsedTimer>

#include <functional>

class IQBViewerHost;
class IQBMessageViewList;

class TQBLoadProgress final : public IQBLogLoadEvents {
public:
  // currentList answers the current view's list interface (or null) at the time it is asked.
  TQBLoadProgress(IQBViewerHost& host, std::function<IQBMessageViewList*()> currentList);

  // Starts a load's progress: position 0 of 1,000 parts.
  void Begin();
  // Ends it: the progress pane empties.
  void End();

  void ResetSeparatorAdded() override;
  void Progress(int64_t position, int64_t size) override;

  // Milliseconds between repaints: well under the 200 ms at which a window looks hung, with room for
  // a slow record batch.
  static constexpr int RepaintEveryMs = 50;
  static constexpr int Parts = 1000;

private:
  IQBViewerHost& FHost;
  std::function<IQBMessageViewList*()> FCurrentList;
  QElapsedTimer FSinceRepaint;
  int FLastPart = -1;
};
