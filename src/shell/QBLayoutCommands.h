#pragma once
// The layout commands without their widgets: the panes (inspector, call stack, detail panel, full
// size, inspector on bottom), the toolbar wrapping, always on top, the column commands, Auto-Collapse
// and Flatten Structure, and the window position commands. The flags live in the settings record;
// the window arranges its widgets through IQBLayoutWindow, so the rules and the order of the steps are
// tested without a window.

#include "shell/QBCommandRules.h"
#include "shell/QBLayoutRules.h"

#include <QRect>

struct TQBSettings;

class IQBLayoutWindow {
public:
  virtual ~IQBLayoutWindow() = default;
  virtual void ApplyPaneLayout(const TQBPaneFlags& flags) = 0;
  virtual void SetWrapButtons(bool wrap) = 0;
  virtual void SetAlwaysOnTop(bool onTop) = 0;
  // Gives the current view the keyboard focus.
  virtual void FocusCurrentView() = 0;
  virtual bool HasView() const = 0;
  virtual bool HasFocusedRow() const = 0;
  // Every view re-reads its display settings from the host.
  virtual void ReapplyViewSettings() = 0;
  virtual void InspectFocusedMessage() = 0;
  // The rectangle of the monitor that holds the window (or is nearest to it), and the window's outer
  // frame; PlaceFrame puts the outer frame there.
  virtual QRect MonitorRect() const = 0;
  virtual QRect FrameRect() const = 0;
  virtual void PlaceFrame(const QRect& frame) = 0;
};

class TQBLayoutCommands final : public IQBCommandInputSource {
public:
  TQBLayoutCommands(TQBSettings& settings, IQBLayoutWindow& window) : FSettings(settings), FWindow(window) {}

  // Lays the window out as the settings say (start-up).
  void ApplySettings();

  void ToggleInspector();
  void ToggleFullSizeInspector();
  void ToggleInspectorOnBottom();
  void ToggleCallStack();
  void ToggleDetailPanel();
  void ToggleTimeline();
  void ToggleWrapButtons();
  void ToggleAlwaysOnTop();
  // All Details, Message Only and the nine column toggles.
  void ColumnCommand(TQBCmd cmd);
  void ToggleHideExtraColumns();
  void ToggleAutoCollapse();
  void ToggleFlatten();
  // The eight commands of "Position Viewer".
  void Position(TQBCmd cmd);

  bool FullSize() const { return FFullSize; }
  TQBPaneFlags PaneFlags() const;
  // The layout part of the command-state record.
  void GatherInputs(TQBCommandInputs& in) const override;

private:
  void ToggleDisplayFlag(bool& flag);

  TQBSettings& FSettings;
  IQBLayoutWindow& FWindow;
  bool FFullSize = false;
  bool FCallStackBeforeFullSize = false;
};
