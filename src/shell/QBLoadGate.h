#pragma once
// One load at a time. A load runs from its first question ("save the current log first?") to its
// last report, and every one of those steps lets the event loop run: the question's dialog, and the
// repainting while the file is read. Work posted meanwhile (a dropped file, the command-line load)
// must not start a second load inside the first, and a close request (the terminate signal) must not
// be lost. So while the gate is held such work waits in order, and a close waits too; when the load
// ends, the close and then the waiting work are posted to the event loop.

#include <functional>
#include <utility>
#include <vector>

class TQBLoadGate {
public:
  using TWork = std::function<void()>;
  // post hands work to the event loop (the window's queued call).
  explicit TQBLoadGate(std::function<void(TWork)> post) : FPost(std::move(post)) {}

  bool Busy() const { return FBusy; }
  // Runs work after the load that holds the gate.
  void Queue(TWork work) { FWaiting.push_back(std::move(work)); }
  // Closes after the load that holds the gate; a second request adds nothing.
  void QueueClose(TWork close) {
    if (!FClose) FClose = std::move(close);
  }

  // Holds the gate for the life of a load, however it ends.
  class THold {
  public:
    explicit THold(TQBLoadGate& gate);
    ~THold();
    THold(const THold&) = delete;
    THold& operator=(const THold&) = delete;

  private:
    TQBLoadGate& FGate;
  };

private:
  void Release();

  std::function<void(TWork)> FPost;
  bool FBusy = false;
  std::vector<TWork> FWaiting;
  TWork FClose;
};
