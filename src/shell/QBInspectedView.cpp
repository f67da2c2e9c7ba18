#include "shell/QBInspectedView.h"

#include "model/QBMessageTypes.h"
#include "settings/QBSettings.h"
#include "shell/QBViewManager.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QStringList>

bool TQBInspectedView::IsClearingViews() const { return FViews.IsClearing(); }

bool TQBInspectedView::HasActiveView() const { return FViews.Current().View && FViews.Current().List; }

int TQBInspectedView::FocusedRow() const { return FViews.Current().FocusedRow(); }

int TQBInspectedView::RowCount() const { return FViews.Current().View ? FViews.Current().View->GetCount() : 0; }

int TQBInspectedView::SelectedCount() const { return FViews.SelectedCount(); }

bool TQBInspectedView::GotoCurrentMessage() {
  return FViews.Current().List && FViews.Current().List->GotoCurrentMessage();
}

void TQBInspectedView::GetSelectedRange(int& first, int& last) const {
  first = last = 0;
  if (FViews.Current().View) FViews.Current().View->GetSelectedRange(first, last);
}

void TQBInspectedView::GetCallStack(std::vector<TQBCallStackEntry>& entries) const {
  entries.clear();
  const TQBViewBinding& v = FViews.Current();
  const int focused = v.FocusedRow();
  if (focused < 0) return;
  int level = v.List->GetRowLevel(focused);
  if (level <= 0) return;
  QStringList texts;
  v.List->GetCallStack(texts);
  for (int row = focused - 1; row >= 0 && level > 0 && int(entries.size()) < texts.size(); --row) {
    const int rowLevel = v.List->GetRowLevel(row);
    if (rowLevel >= level || FSet.At(v.View->GetRowRecNo(row)).MsgType() != qbmEnterMethod) continue;
    entries.push_back({texts[qsizetype(entries.size())], row});
    level = rowLevel;
  }
  // A view of another class may list entries this walk does not find: they are shown without a row.
  for (qsizetype i = qsizetype(entries.size()); i < texts.size(); ++i) entries.push_back({texts[i], -1});
}

void TQBInspectedView::SelectRow(int row) {
  if (FViews.Current().List && row >= 0) FViews.Current().List->SelectRow(row);
}

bool TQBInspectedView::IsInspectorShown() const { return FDisplay.Inspector; }
