#pragma once
// The properties grid's contents as a two-column item model over a TQBPropertyTree: name and value.
// An index carries its property's node id; each node's row among its siblings is kept in a table made
// once per fill, so parent() costs nothing however wide the tree.

#include "inspectors/parsers/QBPropertyTree.h"

#include <QAbstractItemModel>
#include <QStringList>

#include <vector>

class TQBPropertyTreeModel : public QAbstractItemModel {
  Q_OBJECT
public:
  using QAbstractItemModel::QAbstractItemModel;

  const TQBPropertyTree& Tree() const { return FTree; }
  // Replaces all properties by those of the tree.
  void SetTree(TQBPropertyTree tree);
  void SetCaptions(const QString& name, const QString& value);

  TQBPropertyTree::TNodeId NodeOf(const QModelIndex& index) const;
  QModelIndex IndexOf(TQBPropertyTree::TNodeId node, int column = 0) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  TQBPropertyTree FTree;
  std::vector<int> FRowOf;
  QStringList FCaptions{QString(), QString()};
};
