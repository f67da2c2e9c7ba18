#include "inspectors/QBTableModel.h"

#include "model/QBDisplayText.h"

void TQBTableModel::SetTable(TQBTable table) {
  beginResetModel();
  FTable = std::move(table);
  endResetModel();
}

int TQBTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : FTable.RowCount() - 1; }

int TQBTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : FTable.ColumnCount(); }

QVariant TQBTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return VisibleBidiControls(FTable.Cell(index.column(), index.row() + 1));
}

QVariant TQBTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return VisibleBidiControls(FTable.Cell(section, 0));
}
