// TFrmViewer: the inspector pane's host. The pane chooses and fills the inspector; the window tells it
// about the active view (focus, selection, call stack), hands it fonts, colour and options, and runs
// its two content commands.

#include "shell/widgets/QBMainForm.h"

#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBInspectorSet.h"
#include "model/QBMessageTypes.h"
#include "view/widgets/QBColorValue.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>

void TFrmViewer::CreateInspectorPane() {
  FPane = new TQBInspectorPane(*this);
  FPane->AdoptContentActions(Action(TQBCmd::CopyInspectorContents), Action(TQBCmd::PrintInspectorContents));
  FPane->SetLayoutActions(Action(TQBCmd::InspectorOnBottom), Action(TQBCmd::FullSizeInspector));
}

void TFrmViewer::ApplyInspectorSettings() {
  TQBInspectorSet& inspectors = FPane->Inspectors();
  inspectors.SetFonts(FMessageFont, FRowHeight, FInspectorFont, FInspectorFixedFont);
  inspectors.SetValueColor(qbcolor::ToQColor(FSettings.Display.ValueColor));
  inspectors.ApplyOptions(FSettings.Display.Inspectors);
}

void TFrmViewer::StoreInspectorSettings() { FPane->Inspectors().StoreOptions(FSettings.Display.Inspectors); }

void TFrmViewer::ConnectInspectorCommands() {
  Handle(TQBCmd::CopyInspectorContents, [this] { FPane->CopyInspectorContents(); });
  Handle(TQBCmd::PrintInspectorContents, [this] { FPane->PrintInspectorContents(); });
  FPane->SetCallStackList(FLayout->CallStackList());
}

int TFrmViewer::FocusedRow() const {
  if (!HasActiveView()) return -1;
  const int row = FCurrent.List->GetItemIndex();
  return row >= 0 && row < FCurrent.View->GetCount() ? row : -1;
}

int TFrmViewer::RowCount() const { return FCurrent.View ? FCurrent.View->GetCount() : 0; }

int TFrmViewer::SelectedCount() const {
  if (FSelectedSnapshot) return *FSelectedSnapshot;
  return FCurrent.View ? FCurrent.View->SelectedCount() : 0;
}

bool TFrmViewer::GotoCurrentMessage() { return FCurrent.List && FCurrent.List->GotoCurrentMessage(); }

void TFrmViewer::GetSelectedRange(int& first, int& last) const {
  first = last = 0;
  if (FCurrent.View) FCurrent.View->GetSelectedRange(first, last);
}

void TFrmViewer::GetCallStack(std::vector<TQBCallStackEntry>& entries) const {
  // The view interface hands out the entries' texts only; the rows they stand on are found here by
  // walking up from the focused row to each enclosing method entry, as the view found the texts.
  entries.clear();
  const int focused = FocusedRow();
  if (focused < 0) return;
  int level = FCurrent.List->GetRowLevel(focused);
  // A row on the outermost level has no enclosing method; asking the view would walk to the top.
  if (level <= 0) return;
  QStringList texts;
  FCurrent.List->GetCallStack(texts);
  for (int row = focused - 1; row >= 0 && level > 0 && int(entries.size()) < texts.size(); --row) {
    const int rowLevel = FCurrent.List->GetRowLevel(row);
    if (rowLevel >= level || MessageSet.At(FCurrent.View->GetRowRecNo(row)).MsgType() != qbmEnterMethod) continue;
    entries.push_back({texts[qsizetype(entries.size())], row});
    level = rowLevel;
  }
  // A view of another class may list entries this walk does not find: they are shown without a row.
  for (qsizetype i = qsizetype(entries.size()); i < texts.size(); ++i) entries.push_back({texts[i], -1});
}

void TFrmViewer::SelectRow(int row) {
  // An entry without a row selects nothing.
  if (FCurrent.List && row >= 0) FCurrent.List->SelectRow(row);
}

void TFrmViewer::MessageFocused() {
  // Automatic navigation and the message detail fields take their part here once they are built.
}

void TFrmViewer::ClearMessageDetails() {
  // The message detail fields are emptied here once they are built.
}

bool TFrmViewer::RunInspectorPrintDialog(QString& title) { return FDialogs->AskInspectorPrintTitle(this, title); }
