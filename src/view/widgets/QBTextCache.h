#pragma once
// Laid-out texts kept between paints. Rows repeat their names, dates and many message texts, and
// shaping a text costs far more than drawing its glyphs, so each distinct text is shaped once. The
// cache is bounded: it starts over when full, so it never grows with the number of rows.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

class TQBTextCache {
public:
  static constexpr int Capacity = 2048;

  // The prepared text in font; the cache starts over when the font differs from the last one.
  const QStaticText& Get(const QString& text, const QFont& font);
  int Width(const QString& text, const QFont& font) { return int(Get(text, font).size().width() + 0.5); }
  void Clear() { FTexts.clear(); }

private:
  struct TKey {
    QString Text;
    int FontIndex;
    friend bool operator==(const TKey&, const TKey&) = default;
    friend size_t qHash(const TKey& k, size_t seed = 0) { return qHashMulti(seed, k.Text, k.FontIndex); }
  };
  int FontIndex(const QFont& font);

  QHash<TKey, QStaticText> FTexts;
  QList<QFont> FFonts;
};
