// TFrmViewer: UpdateCommands. It gathers the window's state, lets the rules decide, and renews the
// actions, the status panes and the title.

#include "shell/widgets/QBMainForm.h"

#include "inspectors/QBInspectorPane.h"
#include "shell/widgets/QBStatusPanes.h"
#include "shell/QBStatusTexts.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QTabBar>

namespace {

bool ValidRecNo(int recNo) { return recNo >= 1 && recNo <= MessageSet.GetRecordCount(); }

// The focused row, or -1.
int FocusedRowOf(const TQBViewBinding& view) {
  if (!view.View || !view.List) return -1;
  const int row = view.List->GetItemIndex();
  return row >= 0 && row < view.View->GetCount() ? row : -1;
}

// The two record numbers the time difference pane measures between; false without a selection.
bool TimeDiffRecords(const TQBViewBinding& view, int selected, int& first, int& second) {
  if (!view.View || selected < 1) return false;
  if (selected == 1) {
    const int focused = FocusedRowOf(view);
    if (focused < 0) return false;
    first = view.View->GetRowRecNo(0);
    second = view.View->GetRowRecNo(focused);
  } else {
    view.View->GetSelectedRange(first, second);
  }
  return ValidRecNo(first) && ValidRecNo(second);
}

}  // namespace

TQBCommandInputs TFrmViewer::GatherCommandInputs() const {
  TQBCommandInputs in;
  const TQBViewBinding& v = FCurrent;
  in.HasView = v.View != nullptr;
  if (v.View) {
    in.Rows = v.View->GetCount();
    in.Selected = SelectedCount();
  }
  in.List = v.List, in.Methods = v.Methods, in.Search = v.Search;
  in.Print = v.Print, in.Save = v.Save, in.Export = v.Export;
  const int row = FocusedRowOf(v);
  in.Current = row >= 0;
  if (in.Current) {
    const int recNo = v.View->GetRowRecNo(row);
    in.FocusedType = ValidRecNo(recNo) ? MessageSet.At(recNo).MsgType() : -1;
    in.FocusedLevel = v.List->GetRowLevel(row);
    in.FocusedCollapsed = v.Methods && v.Methods->IsCurrentMethodCollapsed();
  }
  for (int n = 0; v.List && n < 10; ++n)
    if (v.List->GetBookmark(n) != -1) in.Bookmarks |= uint16_t(1u << n);
  in.ViewCount = int(FViews.size());
  in.CurrentTab = FLayout->Tabs()->currentIndex();
  in.StoreCount = MessageSet.GetRecordCount();
  in.LogModified = FLog.Modified;
  in.HasCurrentFile = !FLog.CurrentFile.isEmpty();
  in.SyncMode = FSyncMode;
  const TQBDisplaySettings& d = FSettings.Display;
  in.InspectorShown = d.Inspector, in.FullSizeInspector = FFullSize, in.InspectorOnBottom = d.InspectorOnBottom;
  in.CallStackShown = d.CallStack, in.DetailPanel = d.DetailPanel, in.WrapButtons = d.WrapButtons;
  in.AlwaysOnTop = d.AlwaysOnTop, in.Columns = d.Columns, in.HideExtraColumns = d.HideExtraColumns;
  in.AutoCollapse = FSettings.General.AutoCollapse, in.Flatten = FSettings.General.FlattenStructure;
  in.AutoOrganize = FSettings.Organizer.AutoOrganize;
  in.InspectorCanCopy = FPane->CanCopyContents();
  in.InspectorCanPrint = FPane->CanPrintContents();
  return in;
}

void TFrmViewer::UpdateCommands() {
  if (FLog.Loading) return;
  // Gathered once: counting the selection walks the whole view.
  const TQBCommandInputs inputs = GatherCommandInputs();
  FStates = ComputeCommandStates(inputs);
  ApplyCommandStates(FStates);
  UpdateStatusPanes(inputs);
  setWindowTitle(FLog.Title());
}

void TFrmViewer::ApplyCommandStates(const TQBCommandStates& states) {
  for (std::size_t i = 0; i < QBCommandCount; ++i) {
    QAction* action = FCommands->Actions()[i];
    action->setEnabled(states.Enabled[i] && FHandled[i]);
    if (action->isCheckable()) action->setChecked(states.Checked[i]);
  }
  QAction* toggle = Action(TQBCmd::ToggleMethod);
  toggle->setText(states.ToggleExpands ? QStringLiteral("&Expand Method") : QStringLiteral("&Collapse Method"));
  toggle->setToolTip(states.ToggleExpands ? QStringLiteral("Expand Selected Method")
                                          : QStringLiteral("Collapse Selected Method"));
  toggle->setIcon(QBCommandIcon(states.ToggleExpands ? "method-expand" : "method-collapse"));
}

void TFrmViewer::UpdateStatusPanes(const TQBCommandInputs& in) {
  const TQBViewBinding& v = FCurrent;
  const int row = FocusedRowOf(v);
  FStatus->SetMessageNumber(qbstatus::MessageNumberText(row >= 0 ? v.View->GetRowRecNo(row) : 0));
  FStatus->SetMessageCount(qbstatus::MessageCountText(in.Rows, in.StoreCount));
  FStatus->SetSelectionCount(qbstatus::SelectionCountText(in.Selected));
  int first = 0, second = 0;
  if (TimeDiffRecords(v, in.Selected, first, second)) {
    const TQBTimeStamp a = MessageSet.At(first).TimeStamp(), b = MessageSet.At(second).TimeStamp();
    FStatus->SetTimeDiff(qbstatus::TimeDiffText(a.Date, a.Time, b.Date, b.Time), true);
  } else {
    FStatus->SetTimeDiff(QString(), false);
  }
}
