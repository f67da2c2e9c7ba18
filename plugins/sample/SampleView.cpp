#include "SampleView.h"

#include <quillbox/QuillboxMessageSet.h>


TSampleView::TSampleView(QWidget* owner) : QListWidget(owner) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
}

bool TSampleView::IsRowSelected(int row) const {
  const QListWidgetItem* it = item(row);
  return it && it->isSelected();
}

void TSampleView::SetRowSelected(int row, bool value) {
  if (QListWidgetItem* it = item(row)) it->setSelected(value);
}

int TSampleView::GetRowRecNo(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->data(Qt::UserRole).toInt() : -1;
}

void TSampleView::AddCurrentMessage(bool) {
  auto* row = new QListWidgetItem(MessageSet.GetMsgText(), this);
  row->setData(Qt::UserRole, MessageSet.RecNo());
}

int TSampleView::RemoveRows(bool selected) {
  int removed = 0;
  for (int row = count() - 1; row >= 0; --row) {
    if (item(row)->isSelected() != selected) continue;
    delete takeItem(row);
    ++removed;
  }
  return removed;
}

int TSampleView::DeleteSelected() { return RemoveRows(true); }

int TSampleView::CropToSelection() { return RemoveRows(false); }

void TSampleView::GetSelectedRange(int& first, int& last) const {
  first = last = -1;
  for (int row = 0; row < count(); ++row) {
    if (!item(row)->isSelected()) continue;
    if (first < 0) first = GetRowRecNo(row);
    last = GetRowRecNo(row);
  }
}
