#include "inspectors/parsers/QBHexDecoder.h"

namespace {

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  return -1;
}

}  // namespace

QByteArray DecodeHexBytes(QStringView text) {
  const qsizetype count = text.size() / 2;
  QByteArray bytes(count, '\0');
  for (qsizetype i = 0; i < count; ++i) {
    const int high = HexDigit(text[2 * i]), low = HexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) break;
    bytes[i] = char(high << 4 | low);
  }
  return bytes;
}
