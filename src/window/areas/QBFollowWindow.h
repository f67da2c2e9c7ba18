#pragma once
// The window's side of Follow Log File (TQBLogFollower does the following): when followed messages
// may come in, the current view's update bracket around them and its last row kept current, the
// reload of a truncated or replaced file with its notice in the status bar, and the reports. A reload
// leaves the last row current again when the view followed the end, and later records keep
// scrolling into view.

#include "model/QBLogLoader.h"
#include "shell/QBLogFollower.h"

#include <functional>

class IQBMessageViewList;
struct TQBViewBinding;
class TQBLogWindow;
class TQBViewManager;

class TQBFollowWindow final : public IQBFollowWindow, public IQBLogLoadEvents {
public:
  struct TParts {
    TQBLogWindow& Log;
    TQBViewManager& Views;
    IQBAreaFeedback& Feedback;  // status text and command states
    // True while one of the window's commands runs (its dialogs included).
    std::function<bool()> CommandRunning;
  };
  explicit TQBFollowWindow(const TParts& parts) : P(parts) {}

  // IQBFollowWindow
  bool CanAddMessages() override;
  void BeginAdding() override;
  void EndAdding(int added) override;
  void ReloadFollowedFile(const QString& path, TQBFollowReload reason) override;
  void ReportInvalidLog(const QString& path) override;
  void FollowingStopped() override;

  // IQBLogLoadEvents: a reset separator read by following restarts the current view's nesting.
  void ResetSeparatorAdded() override;

  // The status bar's notice of a reload.
  static QString ReloadNotice(const QString& path, TQBFollowReload reason);

private:
  // Whether the current view follows the end: its last row is current, or it was emptied by a reload
  // while it followed the end and no row has come in since.
  bool FollowsEnd(const TQBViewBinding& view) const;

  TParts P;
  IQBMessageViewList* FBracketed = nullptr;  // the view held in its update bracket
  bool FLastRowCurrent = false;
  bool FEndAfterReload = false;
};
