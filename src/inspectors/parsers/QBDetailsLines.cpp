#include "inspectors/parsers/QBDetailsLines.h"

namespace {

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

}  // namespace

QStringList SplitDetailsLines(QStringView text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start < n) {
    qsizetype end = start;
    while (end < n && !IsLineBreak(text[end])) ++end;
    lines << text.mid(start, end - start).toString();
    // CR LF is one break; a lone CR or LF is one break as well, so "\n\r" is two.
    if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  return lines;
}

QString JoinLinesCrLf(const QStringList& lines) {
  qsizetype size = 0;
  for (const QString& line : lines) size += line.size() + 2;
  QString text;
  text.reserve(size);
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return text;
}
