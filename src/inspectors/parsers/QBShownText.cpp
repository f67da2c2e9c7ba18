#include "inspectors/parsers/QBShownText.h"

namespace {

bool IsLead(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Characters (code points) in UTF-8 bytes.
qsizetype CharCount(QByteArrayView utf8) {
  qsizetype n = 0;
  for (char c : utf8) n += IsLead(c);
  return n;
}

// Bytes that hold the first maxChars characters.
qsizetype PrefixBytes(QByteArrayView utf8, qsizetype maxChars) {
  qsizetype chars = 0;
  for (qsizetype i = 0; i < utf8.size(); ++i)
    if (IsLead(utf8[i]) && chars++ == maxChars) return i;
  return utf8.size();
}

}  // namespace

QString ShownLine(QByteArrayView utf8, qsizetype maxChars, bool* cut) {
  const qsizetype prefix = utf8.size() <= maxChars ? utf8.size() : PrefixBytes(utf8, maxChars);
  if (cut) *cut = prefix < utf8.size();
  if (prefix == utf8.size()) return QString::fromUtf8(utf8);
  return QString::fromUtf8(utf8.first(prefix)) +
         QStringLiteral(" \u2026 (%1 characters in all)").arg(CharCount(utf8));
}

TQBShownLines ShownLines(QByteArrayView utf8, TQBLineBreaks breaks, qsizetype maxLines, qsizetype maxChars) {
  TQBShownLines shown;
  TQBShownCounts& counts = shown.Counts;
  qsizetype chars = 0;
  ForEachLine(utf8, breaks, [&](QByteArrayView line) {
    ++counts.TotalLines;
    if (counts.ShownLines < maxLines && (maxChars == qbshown::NoCharLimit || chars < maxChars)) {
      bool cut = false;
      shown.Lines << ShownLine(line, qbshown::MaxLineChars, &cut);
      chars += shown.Lines.back().size();
      ++counts.ShownLines;
      counts.CutLines += cut;
    }
    return true;
  });
  return shown;
}

QString CrLfLines(QByteArrayView utf8, TQBLineBreaks breaks) {
  qsizetype lines = 0;
  ForEachLine(utf8, breaks, [&](QByteArrayView) { return ++lines, true; });
  QString text;
  text.reserve(utf8.size() + 2 * lines);
  ForEachLine(utf8, breaks, [&](QByteArrayView line) {
    text += QString::fromUtf8(line);
    text += u"\r\n";
    return true;
  });
  return text;
}

QString ShownNoticeText(const TQBShownCounts& counts) {
  if (counts.Complete()) return {};
  QStringList parts;
  if (counts.ShownLines < counts.TotalLines)
    parts << QStringLiteral("the first %1 of %2 lines").arg(counts.ShownLines).arg(counts.TotalLines);
  if (counts.ShownColumns < counts.TotalColumns)
    parts << QStringLiteral("the first %1 of %2 columns").arg(counts.ShownColumns).arg(counts.TotalColumns);
  QString text = parts.isEmpty() ? QStringLiteral("Shown in part") : QStringLiteral("Shown: ") + parts.join(u", ");
  if (counts.CutLines > 0)
    text += QStringLiteral("; %1 %2 longer than %3 characters %4 cut")
                .arg(counts.CutLines)
                .arg(counts.CutLines == 1 ? QStringLiteral("text") : QStringLiteral("texts"))
                .arg(qbshown::MaxLineChars)
                .arg(counts.CutLines == 1 ? QStringLiteral("is") : QStringLiteral("are"));
  return text + QStringLiteral(". Copy Inspector Contents copies all of it.");
}
