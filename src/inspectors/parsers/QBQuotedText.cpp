#include "inspectors/parsers/QBQuotedText.h"

namespace {

bool NeedsQuotes(QStringView name) {
  for (QChar c : name)
    if (c.unicode() <= u' ' || c == u'"' || c == u'.') return true;
  return false;
}

}  // namespace

QString QuotedPathName(QStringView name) {
  if (!NeedsQuotes(name)) return name.toString();
  QString quoted;
  quoted.reserve(name.size() + 2);
  quoted += u'"';
  for (QChar c : name) {
    if (c == u'"') quoted += u'"';
    quoted += c;
  }
  quoted += u'"';
  return quoted;
}

QString ReadQuoted(QStringView text, qsizetype& pos) {
  QString content;
  ++pos;  // the opening quote
  while (pos < text.size()) {
    const qsizetype close = text.indexOf(u'"', pos);
    if (close < 0) break;
    content += text.mid(pos, close - pos);
    pos = close + 1;
    if (pos < text.size() && text[pos] == u'"') {
      content += u'"';
      ++pos;
      continue;
    }
    return content;
  }
  content += text.mid(pos);
  pos = text.size();
  return content;
}
