#include <quillbox/QuillboxText.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace qbtext {

bool IsAscii(const char* data, int64_t size) {
  int64_t i = 0;
  for (; i + 8 <= size; i += 8) {
    uint64_t word;
    std::memcpy(&word, data + i, 8);
    if (word & 0x8080808080808080ull) return false;
  }
  for (; i < size; ++i)
    if (static_cast<unsigned char>(data[i]) & 0x80) return false;
  return true;
}

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Its five undefined bytes keep their own code.
constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

QString DecodeAnsi(const char* data, int64_t size) {
  QString out(static_cast<qsizetype>(size), Qt::Uninitialized);
  char16_t* dst = reinterpret_cast<char16_t*>(out.data());
  for (int64_t i = 0; i < size; ++i) {
    const auto b = static_cast<unsigned char>(data[i]);
    dst[i] = (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char16_t(b);
  }
  return out;
}

bool EncodeAnsi(const QString& text, QByteArray& out) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  char* dst = bytes.data();
  const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = src[i];
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      dst[i] = char(c);
      continue;
    }
    const char16_t* hit = std::find(std::begin(kHigh), std::end(kHigh), c);
    if (hit == std::end(kHigh)) return false;
    dst[i] = char(0x80 + (hit - kHigh));
  }
  out = std::move(bytes);
  return true;
}

QByteArray CanonicalUtf8(const TQBTextBytes& text) {
  if (text.Encoding == TQBTextEncoding::Ansi) return DecodeAnsi(text.Data, text.Size).toUtf8();
  return QString::fromUtf8(text.Data, static_cast<qsizetype>(text.Size)).toUtf8();
}

}  // namespace qbtext
