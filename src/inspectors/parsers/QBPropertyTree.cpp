#include "inspectors/parsers/QBPropertyTree.h"

#include "inspectors/parsers/QBPropertyPaths.h"

namespace {

QStringView WithoutTrailingBlanks(QStringView text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == u' ') --end;
  return text.left(end);
}

}  // namespace

TQBPropertyTree::TQBPropertyTree() { Clear(); }

void TQBPropertyTree::Clear() {
  FNodes.clear();
  FNodes.emplace_back();  // the root
  FFirstByName.clear();
}

TQBPropertyTree::TNodeId TQBPropertyTree::AddNode(TNodeId parent, const QString& name, const QString& value) {
  const TNodeId id = TNodeId(FNodes.size());
  FNodes.push_back({name, value, parent, {}});
  FNodes[size_t(parent)].Children.push_back(id);
  const std::pair<TNodeId, QString> key{parent, name.toCaseFolded()};
  if (!FFirstByName.contains(key)) FFirstByName.insert(key, id);
  return id;
}

TQBPropertyTree::TNodeId TQBPropertyTree::ChildNamed(TNodeId parent, const QString& name) {
  const auto found = FFirstByName.constFind({parent, name.toCaseFolded()});
  if (found != FFirstByName.constEnd()) return found.value();
  return AddNode(parent, name, QString());
}

void TQBPropertyTree::AddUnder(TNodeId parent, const QStringList& names, QStringView value) {
  for (qsizetype i = 0; i + 1 < names.size(); ++i) parent = ChildNamed(parent, names[i]);
  AddNode(parent, names.back(), value.toString());
}

void TQBPropertyTree::AddPathLine(QStringView line) {
  const TQBNameValue item = SplitNameValue(line);
  AddUnder(Root, SplitPropertyPath(item.Name), item.Value);
}

void TQBPropertyTree::AddIndentedLines(const QStringList& lines) {
  TQBIndentationWalker walker;
  // resolved[i] is the property that ancestors 0..i lead to. A line pushes at most one ancestor or
  // pops some, so only a newly pushed ancestor needs looking up.
  std::vector<TNodeId> resolved;
  for (const QString& line : lines) {
    const TQBNameValue item = walker.Next(line);
    const std::vector<QString>& ancestors = walker.Ancestors();
    if (resolved.size() > ancestors.size()) resolved.resize(ancestors.size());
    while (resolved.size() < ancestors.size())
      resolved.push_back(ChildNamed(resolved.empty() ? Root : resolved.back(), ancestors[resolved.size()]));
    AddUnder(resolved.empty() ? Root : resolved.back(), SplitPropertyPath(item.Name), item.Value);
  }
}

template <typename TVisit>
void TQBPropertyTree::Walk(TVisit visit) const {
  // Depth-first without recursion; path holds the current node's full path, and each stack entry
  // remembers how long its parent's path was.
  struct TPending {
    TNodeId Node;
    qsizetype ParentPathSize;
  };
  std::vector<TPending> pending;
  const auto pushChildren = [&](TNodeId node, qsizetype pathSize) {
    const std::vector<TNodeId>& children = FNodes[size_t(node)].Children;
    for (auto child = children.rbegin(); child != children.rend(); ++child) pending.push_back({*child, pathSize});
  };
  pushChildren(Root, 0);
  QString path;
  while (!pending.empty()) {
    const TPending next = pending.back();
    pending.pop_back();
    path.truncate(next.ParentPathSize);
    if (Parent(next.Node) != Root) path += u'.';
    path += FNodes[size_t(next.Node)].Name;
    if (!visit(next.Node, QStringView(path))) return;
    pushChildren(next.Node, path.size());
  }
}

QString TQBPropertyTree::FullPath(TNodeId node) const {
  QStringList names;
  for (; node != Root && node != None; node = Parent(node)) names.prepend(Name(node));
  return names.join(u'.');
}

TQBPropertyTree::TNodeId TQBPropertyTree::FindByFullPath(QStringView path) const {
  TNodeId found = None;
  Walk([&](TNodeId node, QStringView nodePath) {
    if (nodePath == path) found = node;
    return found == None;
  });
  return found;
}

QStringList TQBPropertyTree::GetLines() const {
  QStringList lines;
  lines.reserve(Count());
  Walk([&](TNodeId node, QStringView path) {
    QString line = path.toString();
    line += u'=';
    line += WithoutTrailingBlanks(Value(node));
    lines << line;
    return true;
  });
  return lines;
}
