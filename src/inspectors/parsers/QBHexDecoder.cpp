#include "inspectors/parsers/QBHexDecoder.h"

#include <array>

namespace {

// Value of each 8-bit code as a hex digit, -1 for any other; a picture's text is millions of digits.
constexpr std::array<signed char, 256> DigitTable() {
  std::array<signed char, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[size_t(c)] = c >= '0' && c <= '9'   ? char(c - '0')
                       : c >= 'A' && c <= 'F' ? char(c - 'A' + 10)
                       : c >= 'a' && c <= 'f' ? char(c - 'a' + 10)
                                              : char(-1);
  return table;
}
constexpr std::array<signed char, 256> Digits = DigitTable();

template <typename TChar> int HexDigit(TChar c) {
  const auto code = static_cast<std::make_unsigned_t<TChar>>(c);
  return code < 256 ? Digits[code] : -1;
}

template <typename TChar> QByteArray Decode(const TChar* text, qsizetype size) {
  const qsizetype count = size / 2;
  QByteArray bytes(count, '\0');
  char* out = bytes.data();
  for (qsizetype i = 0; i < count; ++i) {
    const int high = HexDigit(text[2 * i]), low = HexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) break;
    out[i] = char(high << 4 | low);
  }
  return bytes;
}

}  // namespace

QByteArray DecodeHexBytes(QStringView text) { return Decode(text.utf16(), text.size()); }

QByteArray DecodeHexBytes(QByteArrayView text) { return Decode(text.data(), text.size()); }
