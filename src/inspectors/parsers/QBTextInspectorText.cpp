#include "inspectors/parsers/QBTextInspectorText.h"

QString ItemCountStatus(qsizetype lineCount) {
  if (lineCount == 1) return QStringLiteral("1 Item");
  return QStringLiteral("%1 Items").arg(lineCount);
}

QString CopiedValueText(const QString& wholeText) {
  static const QString separator = QStringLiteral(" = ");
  const qsizetype at = wholeText.indexOf(separator);
  if (at < 0) return wholeText;
  return wholeText.mid(at + separator.size());
}
