#pragma once
// The widget side of the layout and help areas: arranges the client area's panes, wraps the toolbars,
// keeps the window on top, places its outer frame on its monitor and opens the help file, as
// TQBLayoutCommands and TQBHelpCommands ask.

#include "shell/QBHelpCommands.h"
#include "shell/QBLayoutCommands.h"

class IQBErrorReport;
class QMainWindow;
class TQBMainLayout;
class TQBViewManager;
class TQBViewTabs;

class TQBLayoutWindow final : public IQBLayoutWindow, public IQBHelpWindow {
public:
  struct TParts {
    QMainWindow& Window;
    TQBMainLayout& Layout;
    TQBViewManager& Views;
    TQBViewTabs& Tabs;
    IQBErrorReport& Errors;
    std::function<void()> Inspect;  // inspects the current view's focused message
  };
  explicit TQBLayoutWindow(const TParts& parts) : P(parts) {}

  // IQBLayoutWindow
  void ApplyPaneLayout(const TQBPaneFlags& flags) override;
  void SetWrapButtons(bool wrap) override;
  void SetAlwaysOnTop(bool onTop) override;
  void FocusCurrentView() override;
  bool HasView() const override;
  bool HasFocusedRow() const override;
  void ReapplyViewSettings() override;
  void InspectFocusedMessage() override { P.Inspect(); }
  QRect MonitorRect() const override;
  QRect FrameRect() const override;
  void PlaceFrame(const QRect& frame) override;

  // IQBHelpWindow
  void OpenHelpFile(const QString& file, const QString& address) override;
  void ShowHelpError(const QString& caption, const QString& text) override;

private:
  TParts P;
};
