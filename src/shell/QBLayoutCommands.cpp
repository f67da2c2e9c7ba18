#include "shell/QBLayoutCommands.h"

#include "settings/QBSettings.h"

TQBPaneFlags TQBLayoutCommands::PaneFlags() const {
  const TQBDisplaySettings& d = FSettings.Display;
  return {d.Inspector, d.CallStack, d.InspectorOnBottom, FFullSize, d.DetailPanel, d.Timeline};
}

void TQBLayoutCommands::ApplySettings() {
  FWindow.ApplyPaneLayout(PaneFlags());
  FWindow.SetWrapButtons(FSettings.Display.WrapButtons);
  FWindow.SetAlwaysOnTop(FSettings.Display.AlwaysOnTop);
}

void TQBLayoutCommands::ToggleDisplayFlag(bool& flag) {
  flag = !flag;
  FWindow.ApplyPaneLayout(PaneFlags());
}

void TQBLayoutCommands::ToggleInspector() {
  ToggleDisplayFlag(FSettings.Display.Inspector);
  // A hidden pane still inspects, with the string inspector whatever the type: look again.
  if (FWindow.HasFocusedRow()) FWindow.InspectFocusedMessage();
}

void TQBLayoutCommands::ToggleFullSizeInspector() {
  FFullSize = !FFullSize;
  bool& callStack = FSettings.Display.CallStack;
  if (FFullSize) {
    FCallStackBeforeFullSize = callStack;
    callStack = false;
  } else {
    callStack = FCallStackBeforeFullSize;
  }
  FWindow.ApplyPaneLayout(PaneFlags());
  if (!FFullSize) FWindow.FocusCurrentView();
}

void TQBLayoutCommands::ToggleInspectorOnBottom() { ToggleDisplayFlag(FSettings.Display.InspectorOnBottom); }
void TQBLayoutCommands::ToggleCallStack() { ToggleDisplayFlag(FSettings.Display.CallStack); }
void TQBLayoutCommands::ToggleDetailPanel() { ToggleDisplayFlag(FSettings.Display.DetailPanel); }
void TQBLayoutCommands::ToggleTimeline() { ToggleDisplayFlag(FSettings.Display.Timeline); }

void TQBLayoutCommands::ToggleWrapButtons() {
  FSettings.Display.WrapButtons = !FSettings.Display.WrapButtons;
  FWindow.SetWrapButtons(FSettings.Display.WrapButtons);
}

void TQBLayoutCommands::ToggleAlwaysOnTop() {
  FSettings.Display.AlwaysOnTop = !FSettings.Display.AlwaysOnTop;
  FWindow.SetAlwaysOnTop(FSettings.Display.AlwaysOnTop);
}

void TQBLayoutCommands::ColumnCommand(TQBCmd cmd) {
  FSettings.Display.Columns = qblayout::ApplyColumnCommand(FSettings.Display.Columns, cmd);
  FSettings.Display.HideExtraColumns = false;
  FWindow.ReapplyViewSettings();
}

void TQBLayoutCommands::ToggleHideExtraColumns() {
  FSettings.Display.HideExtraColumns = !FSettings.Display.HideExtraColumns;
  FWindow.ReapplyViewSettings();
}

void TQBLayoutCommands::ToggleAutoCollapse() {
  if (!FWindow.HasView()) return;
  FSettings.General.AutoCollapse = !FSettings.General.AutoCollapse;
  FWindow.ReapplyViewSettings();
}

void TQBLayoutCommands::ToggleFlatten() {
  if (!FWindow.HasView()) return;
  FSettings.General.FlattenStructure = !FSettings.General.FlattenStructure;
  FWindow.ReapplyViewSettings();
}

void TQBLayoutCommands::Position(TQBCmd cmd) {
  const QRect monitor = FWindow.MonitorRect();
  if (monitor.isEmpty()) return;
  if (const auto rect = qblayout::PositionRect(cmd, monitor, FWindow.FrameRect().size())) FWindow.PlaceFrame(*rect);
}

void TQBLayoutCommands::GatherInputs(TQBCommandInputs& in) const {
  const TQBDisplaySettings& d = FSettings.Display;
  in.InspectorShown = d.Inspector, in.FullSizeInspector = FFullSize, in.InspectorOnBottom = d.InspectorOnBottom;
  in.CallStackShown = d.CallStack, in.DetailPanel = d.DetailPanel, in.WrapButtons = d.WrapButtons;
  in.Timeline = d.Timeline;
  in.AlwaysOnTop = d.AlwaysOnTop, in.Columns = d.Columns, in.HideExtraColumns = d.HideExtraColumns;
  in.AutoCollapse = FSettings.General.AutoCollapse, in.Flatten = FSettings.General.FlattenStructure;
}
