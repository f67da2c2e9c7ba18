#pragma once
// The name/value tree of the properties family, filled from path lines and independent of any widget.
//
// Nodes live in one vector and refer to each other by index, so neither a deep tree nor a huge one
// costs recursion or a heap object per node. A path line "A.B.C=v" reuses the first existing property
// of each leading name at its level (names compared ignoring case) and always adds a new property for
// the last name. That first property never changes once it exists, so a hash from (parent, folded
// name) finds it in constant time, however many siblings there are.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

class TQBPropertyTree {
public:
  // Index of a property; Root is the invisible parent of the top-level properties.
  using TNodeId = int;
  static constexpr TNodeId Root = 0;
  static constexpr TNodeId None = -1;

  TQBPropertyTree();

  // Removes all properties.
  void Clear();
  // Adds one line of path, "=" and value (cut at the first "="; no "=" means an empty value).
  void AddPathLine(QStringView line);
  // Adds name=value lines whose names are indented by pairs of blanks to nest them: the same result
  // as adding the lines of IndentationToPaths, without building the path texts.
  void AddIndentedLines(const QStringList& lines);

  // Number of properties (the root not counted).
  int Count() const { return int(FNodes.size()) - 1; }
  const QString& Name(TNodeId node) const { return FNodes[size_t(node)].Name; }
  const QString& Value(TNodeId node) const { return FNodes[size_t(node)].Value; }
  TNodeId Parent(TNodeId node) const { return FNodes[size_t(node)].Parent; }
  // Sub-properties in the order they were added; Children(Root) are the top-level properties.
  const std::vector<TNodeId>& Children(TNodeId node) const { return FNodes[size_t(node)].Children; }

  // The property's names from the top level down, joined by ".".
  QString FullPath(TNodeId node) const;
  // The first property in tree order whose full path is exactly path; None if there is none.
  TNodeId FindByFullPath(QStringView path) const;
  // Every property, parents before their sub-properties: full path, "=", value without trailing blanks.
  QStringList GetLines() const;

private:
  struct TNode {
    QString Name;
    QString Value;
    TNodeId Parent = None;
    std::vector<TNodeId> Children;
  };

  TNodeId AddNode(TNodeId parent, const QString& name, const QString& value);
  // The first property of that name under parent, created empty when there is none.
  TNodeId ChildNamed(TNodeId parent, const QString& name);
  // Walks the leading names from parent and adds the last one with the value.
  void AddUnder(TNodeId parent, const QStringList& names, QStringView value);
  // Calls visit(node, path) for every property in tree order; stops when visit returns false.
  template <typename TVisit> void Walk(TVisit visit) const;

  std::vector<TNode> FNodes;
  QHash<std::pair<TNodeId, QString>, TNodeId> FFirstByName;
};
