#pragma once
// The enabling and ticking rules of UpdateCommands as a pure function: the main window gathers what
// the rules look at into a TQBCommandInputs, and applies the resulting TQBCommandStates to its
// actions. Nothing here touches a widget, so the rules are tested by a table of states.

#include "shell/QBCommandIds.h"

#include <array>
#include <cstdint>

struct TQBCommandInputs {
  // The current view and what it offers.
  bool HasView = false;
  int Rows = 0;           // its row count
  bool Current = false;   // it has a focused row
  int Selected = 0;       // its SelectedCount
  bool List = false;      // IQBMessageViewList
  bool Methods = false;   // IQBMessageViewMethods
  bool Search = false;    // IQBMessageViewSearch
  bool Print = false;     // IQBMessageViewPrint
  bool Save = false;      // IQBMessageViewSave
  bool Export = false;    // IQBMessageViewExport
  bool Time = false;      // IQBMessageViewTime
  // The focused row (meaningful when Current).
  int32_t FocusedType = -1;
  int FocusedLevel = 0;
  bool FocusedCollapsed = false;
  uint16_t Bookmarks = 0;  // bit n: bookmark n of the current view is set
  // Navigation: what the navigator last found around the focused row (all on in the time difference
  // mode).
  bool NavFirst = false, NavPrevious = false, NavNext = false, NavLast = false;

  // Views and store.
  int ViewCount = 1;
  int CurrentTab = 0;
  int StoreCount = 0;

  // Log file and project.
  bool LogModified = false;
  bool HasCurrentFile = false;
  bool FollowLogFile = false;  // Follow Log File is on
  bool ProjectModified = false;

  // Inspector pane.
  bool InspectorCanCopy = false;
  bool InspectorCanPrint = false;

  // Display state.
  bool SyncMode = false;
  bool InspectorShown = false;
  bool FullSizeInspector = false;
  bool InspectorOnBottom = false;
  bool CallStackShown = false;
  bool DetailPanel = false;
  bool OverviewBar = false;
  bool Timeline = false;
  bool WrapButtons = false;
  bool AlwaysOnTop = false;
  bool AutoCollapse = false;
  bool Flatten = false;
  bool AutoOrganize = false;
  uint16_t Columns = 0;
  bool HideExtraColumns = false;
};

struct TQBCommandStates {
  std::array<bool, QBCommandCount> Enabled{};
  std::array<bool, QBCommandCount> Checked{};
  // Toggle Method reads "&Expand Method" when the focused method is collapsed.
  bool ToggleExpands = false;
  // The time difference pane: shown only with a selection.
  bool TimeDiffEnabled = false;

  bool IsEnabled(TQBCmd cmd) const { return Enabled[Index(cmd)]; }
  bool IsChecked(TQBCmd cmd) const { return Checked[Index(cmd)]; }
};

TQBCommandStates ComputeCommandStates(const TQBCommandInputs& in);

// An area of the main window that the rules look at: UpdateCommands asks every area for its part of
// the record, then computes the states once.
class IQBCommandInputSource {
public:
  virtual ~IQBCommandInputSource() = default;
  virtual void GatherInputs(TQBCommandInputs& in) const = 0;
};
