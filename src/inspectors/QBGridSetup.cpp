#include "inspectors/QBGridSetup.h"

#include "inspectors/QBGridCells.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

TQBCellDelegate* SetUpGrid(QAbstractItemView& view, TQBCellDelegate* delegate) {
  view.setFrameShape(QFrame::NoFrame);
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.setSelectionMode(QAbstractItemView::SingleSelection);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Per item, a wheel notch moves the system's wheel-scroll-lines count of rows.
  view.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  view.setItemDelegate(delegate);
  return delegate;
}

void SetGridFont(QAbstractItemView& view, TQBCellDelegate& delegate, const QFont& font) {
  view.setFont(font);
  const int height = 4 + QFontMetrics(font).height();
  delegate.SetRowHeight(height);
  if (auto* table = qobject_cast<QTableView*>(&view)) {
    table->verticalHeader()->setDefaultSectionSize(height);
    table->horizontalHeader()->setFixedHeight(height);
    table->horizontalHeader()->setFont(font);
  } else if (auto* tree = qobject_cast<QTreeView*>(&view)) {
    tree->header()->setFixedHeight(height);
    tree->header()->setFont(font);
    tree->doItemsLayout();
  }
}
