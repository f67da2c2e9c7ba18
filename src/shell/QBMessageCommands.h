#pragma once
// The commands that act on the current view's messages and methods: Delete, Crop to Selection, Select
// All, Copy Selected Messages, and the method commands. Each does nothing when the current view lacks
// the interface it needs.

#include "shell/QBLogState.h"
#include "shell/QBViewBinding.h"

#include <functional>

class TQBMessageCommands {
public:
  // inspect renews the inspectors and the detail panel from the current view's focused row.
  TQBMessageCommands(const IQBCurrentView& views, TQBLogState& log, std::function<void()> inspect)
      : FViews(views), FLog(log), FInspect(std::move(inspect)) {}

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
  // A view that moves its focus to a remaining row reports the change itself; one left without a
  // focused row reports nothing, and the panes would keep showing a message it no longer offers.
  void InspectWhenUnfocused();

  const IQBCurrentView& FViews;
  TQBLogState& FLog;
  std::function<void()> FInspect;
};
