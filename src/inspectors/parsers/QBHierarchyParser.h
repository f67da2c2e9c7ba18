#pragma once
// The hierarchy inspector's tree, built from tab-indented lines.
//
// Every new node hangs on the rightmost path of the tree (it becomes a child of the previous node or
// the last sibling of it or of one of its ancestors), so the order of creation is already the tree
// order. Nodes are kept in that order with their depths; the path from the root to the previous node
// is a stack, so climbing back any number of levels costs nothing per level.

#include <QString>
#include <QStringList>

#include <vector>

struct TQBHierarchyNode {
  QString Text;      // the line without its leading tabs
  int Depth = 0;     // 0 for a root node
  int Parent = -1;   // index of the parent node, -1 for a root node
};

// Nodes in tree order (parents before children). Lines of only blanks and control characters are
// skipped. A line's tab count is its wanted depth: deeper than the previous node makes it a child of
// that node, but only one level down however many tabs it has; shallower climbs back to that depth.
std::vector<TQBHierarchyNode> ParseHierarchy(const QStringList& lines);

// Each node as its depth in tabs followed by its text, in tree order.
QStringList HierarchyLines(const std::vector<TQBHierarchyNode>& nodes);
