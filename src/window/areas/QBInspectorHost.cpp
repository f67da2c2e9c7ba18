#include "window/areas/QBInspectorHost.h"

#include "inspectors/QBInspectorPane.h"
#include "model/QBMessageTypes.h"
#include "shell/QBLogState.h"
#include "shell/QBVocabulary.h"
#include "shell/QBSelectionListeners.h"
#include "settings/QBSettings.h"
#include "shell/QBViewManager.h"
#include "window/dialogs/QBErrorReport.h"
#include "window/dialogs/QBInspectorDialogs.h"

#include <quillbox/QuillboxMessageSet.h>

void TQBInspectorHost::SelectionChanged() {
  if (P.Log.Loading || !FPane) return;
  // A change handled inside this one (a report's dialog lets the user click) drops the count again.
  const TQBViewManager::THold hold = P.Views.HoldSelectedCount();
  FPane->InspectFocusedMessage();
}

void TQBInspectorHost::InspectFocusedMessage() {
  if (FPane) FPane->InspectFocusedMessage();
}

void TQBInspectorHost::GatherInputs(TQBCommandInputs& in) const {
  in.InspectorCanCopy = FPane && FPane->CanCopyContents();
  in.InspectorCanPrint = FPane && FPane->CanPrintContents();
}

bool TQBInspectorHost::IsClearingViews() const { return P.Views.IsClearing(); }

bool TQBInspectorHost::HasActiveView() const { return P.Views.Current().View && P.Views.Current().List; }

int TQBInspectorHost::FocusedRow() const { return P.Views.Current().FocusedRow(); }

int TQBInspectorHost::RowCount() const { return P.Views.Current().View ? P.Views.Current().View->GetCount() : 0; }

int TQBInspectorHost::SelectedCount() const { return P.Views.SelectedCount(); }

bool TQBInspectorHost::GotoCurrentMessage() { return P.Views.Current().List && P.Views.Current().List->GotoCurrentMessage(); }

void TQBInspectorHost::GetSelectedRange(int& first, int& last) const {
  first = last = 0;
  if (P.Views.Current().View) P.Views.Current().View->GetSelectedRange(first, last);
}

void TQBInspectorHost::GetCallStack(std::vector<TQBCallStackEntry>& entries) const {
  // The view interface hands out the entries' texts only; the rows they stand on are found here by
  // walking up from the focused row to each enclosing method entry, as the view found the texts.
  entries.clear();
  const TQBViewBinding& v = P.Views.Current();
  const int focused = v.FocusedRow();
  if (focused < 0) return;
  int level = v.List->GetRowLevel(focused);
  // A row on the outermost level has no enclosing method; asking the view would walk to the top.
  if (level <= 0) return;
  QStringList texts;
  v.List->GetCallStack(texts);
  for (int row = focused - 1; row >= 0 && level > 0 && int(entries.size()) < texts.size(); --row) {
    const int rowLevel = v.List->GetRowLevel(row);
    if (rowLevel >= level || MessageSet.At(v.View->GetRowRecNo(row)).MsgType() != qbmEnterMethod) continue;
    entries.push_back({texts[qsizetype(entries.size())], row});
    level = rowLevel;
  }
  // A view of another class may list entries this walk does not find: they are shown without a row.
  for (qsizetype i = qsizetype(entries.size()); i < texts.size(); ++i) entries.push_back({texts[i], -1});
}

void TQBInspectorHost::SelectRow(int row) {
  // An entry without a row selects nothing.
  if (P.Views.Current().List && row >= 0) P.Views.Current().List->SelectRow(row);
}

bool TQBInspectorHost::IsInspectorShown() const { return P.Display.Inspector; }

void TQBInspectorHost::MessageFocused() { P.Listeners.MessageFocused(); }

void TQBInspectorHost::ClearMessageDetails() { P.Listeners.MessageCleared(); }

void TQBInspectorHost::UpdateCommands() { P.Host.UpdateCommands(); }

bool TQBInspectorHost::RunInspectorPrintDialog(QString& title) {
  return P.Dialogs.AskInspectorPrintTitle(&P.Window, title);
}

void TQBInspectorHost::ReportError(const QString& message) {
  P.Errors.ShowError(&P.Window, QBApplicationTitle, message);
}
