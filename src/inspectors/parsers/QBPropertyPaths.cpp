#include "inspectors/parsers/QBPropertyPaths.h"

#include "inspectors/parsers/QBQuotedText.h"

TQBNameValue SplitNameValue(QStringView line) {
  const qsizetype at = line.indexOf(u'=');
  if (at < 0) return {line, {}};
  return {line.left(at), line.mid(at + 1)};
}

TQBNameValue TQBIndentationWalker::Next(QStringView line) {
  TQBNameValue item = SplitNameValue(line);
  qsizetype level = 0;
  while (item.Name.size() >= 2 && item.Name[0] == u' ' && item.Name[1] == u' ') {
    item.Name = item.Name.mid(2);
    ++level;
  }
  if (level > FPrevLevel) {
    FAncestors.push_back(FPrevName);
  } else {
    while (FPrevLevel > level && !FAncestors.empty()) {
      FAncestors.pop_back();
      --FPrevLevel;
    }
  }
  FPrevName = item.Name.toString();
  FPrevLevel = level;
  return item;
}

QStringList IndentationToPaths(const QStringList& lines) {
  QStringList paths;
  paths.reserve(lines.size());
  TQBIndentationWalker walker;
  // The quoted ancestors joined by ".", each followed by "."; kept in step with the walker so a line
  // costs only its own length plus the prefix copy.
  QString prefix;
  std::vector<qsizetype> prefixEnds;
  for (const QString& line : lines) {
    const TQBNameValue item = walker.Next(line);
    const std::vector<QString>& ancestors = walker.Ancestors();
    while (prefixEnds.size() > ancestors.size()) prefixEnds.pop_back();
    prefix.truncate(prefixEnds.empty() ? 0 : prefixEnds.back());
    while (prefixEnds.size() < ancestors.size()) {
      prefix += QuotedPathName(ancestors[prefixEnds.size()]);
      prefix += u'.';
      prefixEnds.push_back(prefix.size());
    }
    QString path = prefix;
    path += item.Name;
    path += u'=';
    path += item.Value;
    paths << path;
  }
  return paths;
}

QStringList SplitPropertyPath(QStringView path) {
  QStringList names;
  qsizetype pos = 0;
  for (;;) {
    QString name;
    if (pos < path.size() && path[pos] == u'"') name = ReadQuoted(path, pos);
    qsizetype dot = path.indexOf(u'.', pos);
    if (dot < 0) dot = path.size();
    name += path.mid(pos, dot - pos);
    names << name;
    if (dot >= path.size()) break;
    pos = dot + 1;
  }
  return names;
}
