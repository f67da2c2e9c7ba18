#pragma once
// The inspector pane's host: the window's steps around an inspection (the selection listeners, the
// print dialog); the pane asks TQBInspectedView (shell) about the current view. A selection change is inspected with one count of the view's
// selection: the inspection and the command states it ends with both need it, and counting walks the
// whole view.

#include "inspectors/QBInspectorPaneHost.h"
#include "shell/QBCommandRules.h"

class IQBAreaFeedback;
class IQBInspectorDialogs;
class QWidget;
class TQBInspectorPane;
class TQBSelectionListeners;
class TQBViewManager;
struct TQBLogState;

class TQBInspectorHost final : public IQBInspectorPaneHost, public IQBCommandInputSource {
public:
  struct TParts {
    TQBViewManager& Views;
    const TQBLogState& Log;
    TQBSelectionListeners& Listeners;
    IQBInspectorDialogs& Dialogs;
    QWidget& Window;  // the print dialog stands over it
    IQBAreaFeedback& Feedback;
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
  void MessageFocused() override;
  void ClearMessageDetails() override;
  // The dialog, then the PDF file it left checked: a PDF printer writes straight into its file, so
  // one that is a log the messages were read from (or a device, a pipe) is refused with a report.
  bool RunInspectorPrintDialog(QString& title) override;

private:
  TParts P;
  TQBInspectorPane* FPane = nullptr;
};
