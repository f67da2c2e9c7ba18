#include "model/QBLineBreaks.h"

namespace {

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

}  // namespace

QString NormalizeLineBreaks(QStringView text) {
  // Equivalent to marking a pending break at every CR or LF and writing one CR LF before the next
  // other character; whole runs of text are copied at once.
  QString result;
  result.reserve(text.size());
  qsizetype pos = 0;
  const qsizetype n = text.size();
  while (pos < n) {
    const qsizetype runStart = pos;
    while (pos < n && IsLineBreak(text[pos])) ++pos;
    if (pos == n) break;  // a run at the very end is dropped
    if (pos > runStart) result += QStringLiteral("\r\n");
    const qsizetype textStart = pos;
    while (pos < n && !IsLineBreak(text[pos])) ++pos;
    result += text.mid(textStart, pos - textStart);
  }
  return result;
}
