#pragma once
// What the inspector pane needs from the main window around an inspection: the detail fields and the
// navigation kind, and the print dialog. The current view comes through IQBInspectedView (shell), error
// reports, the busy cursor and the command states through IQBAreaFeedback.

#include <QString>

class IQBInspectorPaneHost {
public:
  virtual ~IQBInspectorPaneHost() = default;

  // MessageSet is on a newly focused message: set the navigation kind (automatic navigation) and fill
  // the detail fields.
  virtual void MessageFocused() = 0;
  virtual void ClearMessageDetails() = 0;
  // The print dialog in its inspector variant; false when the user cancels.
  virtual bool RunInspectorPrintDialog(QString& title) = 0;
};
