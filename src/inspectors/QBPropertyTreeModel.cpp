#include "inspectors/QBPropertyTreeModel.h"

#include "model/QBDisplayText.h"

using TNodeId = TQBPropertyTree::TNodeId;

void TQBPropertyTreeModel::SetTree(TQBPropertyTree tree) {
  beginResetModel();
  FTree = std::move(tree);
  FRowOf.assign(size_t(FTree.Count()) + 1, 0);
  for (TNodeId node = 0; node <= FTree.Count(); ++node) {
    const std::vector<TNodeId>& children = FTree.Children(node);
    for (size_t row = 0; row < children.size(); ++row) FRowOf[size_t(children[row])] = int(row);
  }
  endResetModel();
}

void TQBPropertyTreeModel::SetCaptions(const QString& name, const QString& value) {
  FCaptions = {name, value};
  emit headerDataChanged(Qt::Horizontal, 0, 1);
}

TNodeId TQBPropertyTreeModel::NodeOf(const QModelIndex& index) const {
  return index.isValid() ? TNodeId(index.internalId()) : TQBPropertyTree::Root;
}

QModelIndex TQBPropertyTreeModel::IndexOf(TNodeId node, int column) const {
  if (node <= TQBPropertyTree::Root || node > FTree.Count()) return {};
  return createIndex(FRowOf[size_t(node)], column, quintptr(node));
}

QModelIndex TQBPropertyTreeModel::index(int row, int column, const QModelIndex& parent) const {
  const std::vector<TNodeId>& children = FTree.Children(NodeOf(parent));
  if (row < 0 || size_t(row) >= children.size() || column < 0 || column > 1) return {};
  return createIndex(row, column, quintptr(children[size_t(row)]));
}

QModelIndex TQBPropertyTreeModel::parent(const QModelIndex& child) const {
  return child.isValid() ? IndexOf(FTree.Parent(NodeOf(child))) : QModelIndex();
}

int TQBPropertyTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  return int(FTree.Children(NodeOf(parent)).size());
}

int TQBPropertyTreeModel::columnCount(const QModelIndex&) const { return 2; }

QVariant TQBPropertyTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  const TNodeId node = NodeOf(index);
  return VisibleBidiControls(index.column() == 0 ? FTree.Name(node) : FTree.Value(node));
}

QVariant TQBPropertyTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > 1) return {};
  return FCaptions[section];
}
