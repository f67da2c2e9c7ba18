#include "inspectors/parsers/QBObjectTitle.h"

#include "inspectors/parsers/QBPropertyPaths.h"

QString ObjectTitle(const QStringList& detailsLines, const QString& typeName) {
  for (const QString& line : detailsLines) {
    const TQBNameValue item = SplitNameValue(line);
    if (item.Name.compare(u"Name", Qt::CaseInsensitive) != 0) continue;
    QStringView name = item.Value;
    if (name.startsWith(u'\'')) name = name.mid(1);
    if (name.endsWith(u'\'')) name.chop(1);
    return name.toString() + QStringLiteral(": ") + typeName;
  }
  return typeName;
}
