#include "view/QBClipboardText.h"

#include <QStringList>

namespace {

// Trims characters up to and including the space from both ends.
QString TrimControls(const QString& s) {
  qsizetype first = 0, last = s.size();
  while (first < last && s[first].unicode() <= 0x20) ++first;
  while (last > first && s[last - 1].unicode() <= 0x20) --last;
  return s.mid(first, last - first);
}

}  // namespace

std::optional<QString> ClipboardTextOf(const TQBViewRows& rows) {
  QStringList lines;
  for (int item = 0; item < rows.ItemCount(); ++item)
    if (rows.ItemSelected(item))
      lines << QString(qsizetype(2) * rows.ItemLevel(item), u' ') + rows.MessageSet().At(rows.ItemRecNo(item)).MsgText();
  if (lines.isEmpty()) return std::nullopt;
  if (lines.size() == 1) return TrimControls(lines.front());
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}
