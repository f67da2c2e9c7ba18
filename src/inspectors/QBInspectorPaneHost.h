#pragma once
// What the inspector pane needs from the main window: the active view's focus, selection and call
// stack, and the window's own steps around an inspection (detail fields, navigation kind, command
// states, the print dialog, error reports).

#include "view/QBViewNavigation.h"

#include <QString>

#include <vector>

class IQBInspectorPaneHost {
public:
  virtual ~IQBInspectorPaneHost() = default;

  // True while Clear or Clear All is emptying the views.
  virtual bool IsClearingViews() const = 0;
  virtual bool HasActiveView() const = 0;
  // The active view's focused row (-1 when none), its number of rows and of selected messages.
  virtual int FocusedRow() const = 0;
  virtual int RowCount() const = 0;
  virtual int SelectedCount() const = 0;
  // Positions MessageSet on the focused message; false when there is none.
  virtual bool GotoCurrentMessage() = 0;
  // Record numbers of the first and the last selected message.
  virtual void GetSelectedRange(int& first, int& last) const = 0;
  // The enclosing method entries of the focused row, innermost first.
  virtual void GetCallStack(std::vector<TQBCallStackEntry>& entries) const = 0;
  virtual void SelectRow(int row) = 0;

  // Whether the user shows the pane (the "Inspector" setting).
  virtual bool IsInspectorShown() const = 0;
  // MessageSet is on a newly focused message: set the navigation kind (automatic navigation) and fill
  // the detail fields.
  virtual void MessageFocused() = 0;
  virtual void ClearMessageDetails() = 0;
  virtual void UpdateCommands() = 0;
  // The print dialog in its inspector variant; false when the user cancels.
  virtual bool RunInspectorPrintDialog(QString& title) = 0;
  virtual void ReportError(const QString& message) = 0;
};
