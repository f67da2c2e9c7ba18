#include "inspectors/parsers/QBHierarchyParser.h"

namespace {

bool IsBlankLine(const QString& line) {
  for (QChar c : line)
    if (c.unicode() > u' ') return false;
  return true;
}

qsizetype LeadingTabs(const QString& line) {
  qsizetype tabs = 0;
  while (tabs < line.size() && line[tabs] == u'\t') ++tabs;
  return tabs;
}

}  // namespace

std::vector<TQBHierarchyNode> ParseHierarchy(const QStringList& lines) {
  std::vector<TQBHierarchyNode> nodes;
  std::vector<int> path;  // the previous node and its ancestors, root first
  for (const QString& line : lines) {
    if (IsBlankLine(line)) continue;
    const qsizetype tabs = LeadingTabs(line);
    const qsizetype prevLevel = qsizetype(path.size()) - 1;
    // Deeper goes one level down; otherwise the new node is a sibling of the path's node at its depth.
    if (tabs <= prevLevel) path.resize(size_t(tabs));
    const int parent = path.empty() ? -1 : path.back();
    const int index = int(nodes.size());
    nodes.push_back({line.mid(tabs), int(path.size()), parent});
    path.push_back(index);
  }
  return nodes;
}

QStringList HierarchyLines(const std::vector<TQBHierarchyNode>& nodes) {
  QStringList lines;
  lines.reserve(qsizetype(nodes.size()));
  for (const TQBHierarchyNode& node : nodes) lines << QString(node.Depth, u'\t') + node.Text;
  return lines;
}
