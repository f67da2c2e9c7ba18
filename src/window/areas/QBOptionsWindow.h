#pragma once
// The widget side of the options area: the options dialog and the column chooser, and what the window
// redoes after the options dialog's OK (TQBOptionsCommands runs the steps): the views read their
// settings again, the fonts are made anew for the views, tabs, call stack and inspectors, the panes
// are laid out, the settings are written.

#include "shell/QBOptionsCommands.h"

#include <functional>

class IQBOptionsDialogs;
class QWidget;
class TQBInspectorSet;
class TQBLayoutCommands;
class TQBLayoutWindow;
class TQBViewManager;

class TQBOptionsWindow final : private IQBOptionsWindow {
public:
  struct TParts {
    QWidget& Window;  // the dialogs are centred over it
    TQBSettings& Settings;
    TQBViewManager& Views;
    TQBLayoutWindow& Layout;
    const TQBLayoutCommands& LayoutCommands;
    TQBInspectorSet& Inspectors;
    IQBOptionsDialogs& Dialogs;
    std::function<void()> ApplyFonts;                // the window's fonts and row height from the settings
    std::function<void()> WriteSettings;             // every setting into the settings file
    std::function<void(const QString&)> ShowHelp;    // a help topic
    std::function<void()> Inspect;                   // inspects the current view's focused message
  };
  explicit TQBOptionsWindow(const TParts& parts) : P(parts), FCommands(parts.Settings, *this) {}

  // Options... and Select Columns...
  void Options();
  void SelectColumns();

private:
  // IQBOptionsWindow
  void RefreshViewSettings() override;
  void ApplyValueColor() override;
  void ApplyAutoCollapse() override { RefreshViewSettings(); }
  void ApplyFlattenStructure() override { RefreshViewSettings(); }
  void ApplyInspector() override;
  void ApplyCallStack() override { ApplyPaneLayout(); }
  void ApplyInspectorPosition() override { ApplyPaneLayout(); }
  void ApplyDetailPanel() override { ApplyPaneLayout(); }
  void ApplyWrapButtons() override;
  void ApplyAlwaysOnTop() override;
  void ApplyMessageFont() override;
  void ApplyInspectorFont() override { P.ApplyFonts(); }
  void ApplyInspectorFixedFont() override { P.ApplyFonts(); }
  void ApplyColumns() override { RefreshViewSettings(); }
  void ApplyStyles() override { RefreshViewSettings(); }
  void RepaintCurrentView() override;
  void WriteSettings() override { P.WriteSettings(); }

  void ApplyPaneLayout();

  TParts P;
  TQBOptionsCommands FCommands;
};
