#include "inspectors/parsers/QBObjectTitle.h"

#include "inspectors/parsers/QBPropertyPaths.h"
#include "inspectors/parsers/QBShownText.h"

namespace {

// A line whose name (the text before the first "=", or the whole line) is "Name" in any case.
bool IsNameLine(QByteArrayView line) {
  const qsizetype equals = line.indexOf('=');
  return (equals < 0 ? line.size() : equals) == 4 && qstrnicmp(line.data(), "name", 4) == 0;
}

}  // namespace

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

QString ObjectTitleOf(QByteArrayView detailsUtf8, const QString& typeName) {
  QStringList nameLine;
  ForEachLine(detailsUtf8, TQBLineBreaks::AsWritten, [&](QByteArrayView line) {
    if (!IsNameLine(line)) return true;
    nameLine << ShownLine(line);
    return false;
  });
  return ObjectTitle(nameLine, typeName);
}
