#pragma once
// A stand-in for the main window as the inspector pane sees it: one active view whose focus and
// selection the caller sets, with everything the pane asks for recorded.

#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBInspectorPaneHost.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBInspectedView.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QList>
#include <QStringList>

class TQBFakePaneHost : public IQBInspectedView, public IQBInspectorPaneHost, public IQBAreaFeedback {
public:
  bool IsClearingViews() const override { return Clearing; }
  bool HasActiveView() const override { return Active; }
  int FocusedRow() const override { return Focused; }
  int RowCount() const override { return Rows; }
  int SelectedCount() const override { return Selected; }
  bool GotoCurrentMessage() override {
    if (FocusedRecNo < 1) return false;
    MessageSet.GotoRec(FocusedRecNo);
    return true;
  }
  void GetSelectedRange(int& first, int& last) const override {
    first = First;
    last = Last;
  }
  void GetCallStack(std::vector<TQBCallStackEntry>& entries) const override { entries = Stack; }
  void SelectRow(int row) override { SelectedRows << row; }
  bool IsInspectorShown() const override { return Shown; }
  void MessageFocused() override { ++Focusings; }
  void ClearMessageDetails() override { ++DetailClears; }
  void UpdateCommands() override {
    if (Pane) Pane->UpdateActions();
  }
  bool RunInspectorPrintDialog(QString& title) override {
    ProposedTitles << title;
    return PrintConfirmed;
  }
  void ReportError(const QString& message) override { Errors << message; }
  void SetBusy(bool) override {}
  void ShowStatusText(const QString&) override {}

  TQBInspectorPane* Pane = nullptr;
  bool Clearing = false, Active = true, Shown = true, PrintConfirmed = true;
  int Focused = 0, Rows = 1, Selected = 1, First = 0, Last = 0, FocusedRecNo = 0;
  int Focusings = 0, DetailClears = 0;
  std::vector<TQBCallStackEntry> Stack;
  QList<int> SelectedRows;
  QStringList ProposedTitles, Errors;
};

