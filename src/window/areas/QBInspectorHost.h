#pragma once
// The inspector pane's host: the pane asks it about the current view (focus, selection, call stack)
// and for the window's steps around an inspection (the selection listeners, the command states, the
// print dialog, error reports). A selection change is inspected with one count of the view's
// selection: the inspection and the command states it ends with both need it, and counting walks the
// whole view.

#include "inspectors/QBInspectorPaneHost.h"
#include "shell/QBCommandRules.h"

class IQBErrorReport;
class IQBInspectorDialogs;
class IQBViewerHost;
class QWidget;
class TQBInspectorPane;
class TQBSelectionListeners;
class TQBViewManager;
struct TQBDisplaySettings;
struct TQBLogState;

class TQBInspectorHost final : public IQBInspectorPaneHost, public IQBCommandInputSource {
public:
  struct TParts {
    TQBViewManager& Views;
    const TQBDisplaySettings& Display;
    const TQBLogState& Log;
    TQBSelectionListeners& Listeners;
    IQBViewerHost& Host;
    IQBInspectorDialogs& Dialogs;
    IQBErrorReport& Errors;
    QWidget& Window;  // the dialogs and reports stand over it
  };
  explicit TQBInspectorHost(const TParts& parts) : P(parts) {}

  // The pane this host serves, created with it.
  void SetPane(TQBInspectorPane* pane) { FPane = pane; }

  // The current view's selection changed (the view's notice to the viewer host). Ignored while a log
  // loads: the views' notices are held back then, and the load ends with an inspection anyway.
  void SelectionChanged();
  void InspectFocusedMessage();
  // The pane part of the command-state record: whether the visible inspector can copy and print.
  void GatherInputs(TQBCommandInputs& in) const override;

  // IQBInspectorPaneHost
  bool IsClearingViews() const override;
  bool HasActiveView() const override;
  int FocusedRow() const override;
  int RowCount() const override;
  int SelectedCount() const override;
  bool GotoCurrentMessage() override;
  void GetSelectedRange(int& first, int& last) const override;
  void GetCallStack(std::vector<TQBCallStackEntry>& entries) const override;
  void SelectRow(int row) override;
  bool IsInspectorShown() const override;
  void MessageFocused() override;
  void ClearMessageDetails() override;
  void UpdateCommands() override;
  bool RunInspectorPrintDialog(QString& title) override;
  void ReportError(const QString& message) override;

private:
  TParts P;
  TQBInspectorPane* FPane = nullptr;
};
