#pragma once
// The table inspector's cells as an item model: row 0 of the table is the header, the other rows are
// the data rows. Cells are shown with their bidirectional controls as marks; Table() keeps them as
// logged, for copying.

#include "inspectors/parsers/QBTableParser.h"

#include <QAbstractTableModel>

class TQBTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  const TQBTable& Table() const { return FTable; }
  void SetTable(TQBTable table);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  TQBTable FTable;
};
