#include "QBJsonText.h"

void AppendJsonString(QByteArray& out, QByteArrayView utf8) {
  static const char kHex[] = "0123456789abcdef";
  out.append('"');
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out.append("\\\""); break;
      case '\\': out.append("\\\\"); break;
      case '\n': out.append("\\n"); break;
      case '\r': out.append("\\r"); break;
      case '\t': out.append("\\t"); break;
      default:
        if (c < 0x20 || c == 0x7F) {
          const char esc[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
          out.append(esc, 6);
        } else {
          out.append(ch);
        }
    }
  }
  out.append('"');
}
