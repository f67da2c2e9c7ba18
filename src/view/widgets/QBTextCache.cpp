#include "view/widgets/QBTextCache.h"

int TQBTextCache::FontIndex(const QFont& font) {
  const qsizetype i = FFonts.indexOf(font);
  if (i >= 0) return int(i);
  // A handful of styles of one font are in use at a time; more means the font changed.
  if (FFonts.size() >= 32) {
    FFonts.clear();
    FTexts.clear();
  }
  FFonts.append(font);
  return int(FFonts.size() - 1);
}

const QStaticText& TQBTextCache::Get(const QString& text, const QFont& font) {
  const TKey key{text, FontIndex(font)};
  if (auto it = FTexts.constFind(key); it != FTexts.cend()) return *it;
  if (FTexts.size() >= Capacity) FTexts.clear();
  QStaticText prepared(text);
  prepared.setTextFormat(Qt::PlainText);
  prepared.setPerformanceHint(QStaticText::AggressiveCaching);
  prepared.prepare(QTransform(), font);
  return *FTexts.insert(key, prepared);
}
