#pragma once
// The commands that act on the current view's messages and methods: Delete, Crop to Selection, Select
// All, Copy Selected Messages, and the method commands. Each does nothing when the current view lacks
// the interface it needs.

#include "shell/QBLogState.h"
#include "shell/QBViewBinding.h"

class TQBMessageCommands {
public:
  TQBMessageCommands(const IQBCurrentView& views, TQBLogState& log) : FViews(views), FLog(log) {}

  // Deleting changes the log: it becomes modified.
  void Delete();
  // Cropping narrows what this view shows; the log itself is unchanged, so it stays unmodified.
  void CropToSelection();
  void SelectAll();
  void CopyMessageText();

  // Method Match; with Shift held the row focused before stays selected, so entry and exit end up
  // selected together.
  void MethodMatch(bool shiftHeld);
  void CurrentMethod();
  void ToggleMethod();
  void ExpandAll();
  void ExpandToEnd();
  void CollapseAll();

private:
  const TQBViewBinding& View() const { return FViews.Current(); }

  const IQBCurrentView& FViews;
  TQBLogState& FLog;
};
