#include "inspectors/parsers/QBCollectionParser.h"

#include "inspectors/parsers/QBPropertyPaths.h"
#include "inspectors/parsers/QBQuotedText.h"

namespace {

// Blanks and control characters separate entries. NUL counts as one of them: it must be skipped like
// the others, or an entry starting at a NUL would be empty and the split would never move on.
bool IsSeparatorBlank(QChar c) { return c.unicode() <= u' '; }

void SkipBlanks(QStringView text, qsizetype& pos) {
  while (pos < text.size() && IsSeparatorBlank(text[pos])) ++pos;
}

QString ReadUnquoted(QStringView text, qsizetype& pos) {
  const qsizetype start = pos;
  while (pos < text.size() && text[pos] != u';' && !IsSeparatorBlank(text[pos])) ++pos;
  return text.mid(start, pos - start).toString();
}

}  // namespace

QStringList SplitCollectionEntries(QStringView text) {
  QStringList entries;
  qsizetype pos = 0;
  SkipBlanks(text, pos);
  while (pos < text.size()) {
    entries << (text[pos] == u'"' ? ReadQuoted(text, pos) : ReadUnquoted(text, pos));
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == u';') {
      ++pos;
      if (pos == text.size()) entries << QString();
      SkipBlanks(text, pos);
    }
  }
  return entries;
}

std::vector<TQBCollectionItem> ParseCollection(const QStringList& lines) {
  std::vector<TQBCollectionItem> items;
  for (const QString& line : lines) {
    const qsizetype bar = line.indexOf(u'|');
    if (bar < 0) continue;
    items.push_back({line.left(bar), SplitCollectionEntries(QStringView(line).mid(bar + 1))});
  }
  return items;
}

QStringList CollectionLines(const std::vector<TQBCollectionItem>& items) {
  static const QString indent(8, u' ');
  QStringList lines;
  for (const TQBCollectionItem& item : items) {
    lines << item.Caption;
    for (const QString& entry : item.Entries) lines << indent + entry;
  }
  return lines;
}

QString CollectionCopyText(const std::vector<TQBCollectionItem>& items) {
  QString text;
  for (const TQBCollectionItem& item : items) {
    text += item.Caption + QStringLiteral("\r\n");
    for (const QString& entry : item.Entries) {
      const TQBNameValue pair = SplitNameValue(entry);
      text += u'\t';
      text += pair.Name;
      text += u'\t';
      text += pair.Value;
      text += QStringLiteral("\r\n");
    }
  }
  return text;
}
