#pragma once
// The options dialog's OK and the column chooser's OK without their widgets: which settings take the
// dialog's values, in which order, and what the window is asked to redo after each. The window (views,
// fonts, panes, menus, the settings file) is reached through IQBOptionsWindow, so the sequence is
// tested without one.

#include "settings/QBColumnChoice.h"
#include "settings/QBOptionsValues.h"
#include "settings/QBSettings.h"

class IQBOptionsWindow {
public:
  virtual ~IQBOptionsWindow() = default;
  // Every view reads its display settings from the window again.
  virtual void RefreshViewSettings() = 0;
  // The inspectors that show values take the value colour.
  virtual void ApplyValueColor() = 0;
  // The tick of the command follows the setting, and every view reads its display settings again.
  virtual void ApplyAutoCollapse() = 0;
  virtual void ApplyFlattenStructure() = 0;
  // The panes and the window follow the layout settings.
  virtual void ApplyInspector() = 0;
  virtual void ApplyCallStack() = 0;
  virtual void ApplyInspectorPosition() = 0;
  virtual void ApplyDetailPanel() = 0;
  virtual void ApplyWrapButtons() = 0;
  virtual void ApplyAlwaysOnTop() = 0;
  // The message font goes to the views, the view tabs, the call stack and the inspectors, and the row
  // height is computed again; the inspector fonts go to the inspectors.
  virtual void ApplyMessageFont() = 0;
  virtual void ApplyInspectorFont() = 0;
  virtual void ApplyInspectorFixedFont() = 0;
  // Every view takes the column set (Hide Extra Columns is already switched off).
  virtual void ApplyColumns() = 0;
  // The style table changed: the views draw with the new styles.
  virtual void ApplyStyles() = 0;
  virtual void RepaintCurrentView() = 0;
  // Writes every setting to the settings file.
  virtual void WriteSettings() = 0;
};

class TQBOptionsCommands {
public:
  TQBOptionsCommands(TQBSettings& settings, IQBOptionsWindow& window) : FSettings(settings), FWindow(window) {}

  // The values the options dialog opens with.
  TQBOptionsValues Values() const { return TQBOptionsValues::Of(FSettings); }
  // The options dialog's OK: the settings take the values and the window follows, step by step.
  void ApplyOptions(const TQBOptionsValues& values);
  // The column chooser's OK: a changed column set is applied; the settings file is not written.
  void ApplyColumnChoice(const TQBColumnChoice& choice);

private:
  // Stores a colour; the views read their settings again when it changed.
  void StoreColor(int32_t& setting, int32_t value);
  void ApplyLayout(const TQBOptionsValues& values);
  void ApplyFonts(const TQBOptionsValues& values);

  TQBSettings& FSettings;
  IQBOptionsWindow& FWindow;
};
