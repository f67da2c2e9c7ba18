#pragma once
// The colour inspector's values: a colour given as lines red, green, blue and an optional alpha.

#include <QString>
#include <QStringList>

#include <cstdint>

struct TQBHsl {
  int H = 0;  // 0..240 each
  int S = 0;
  int L = 0;
  bool operator==(const TQBHsl&) const = default;
};

struct TQBColorValues {
  QString Red, Green, Blue;  // lines 0 to 2 exactly as written
  int Alpha = 0;             // line 3, 0 when there are only three lines
  uint32_t Color = 0;        // low 8 bits of red, green, blue: red in the low byte, then green, blue
  TQBHsl Hsl;
};

// Hue, saturation and lightness of a colour (red in the low byte) on the 0 to 240 scale, each rounded
// half to even.
TQBHsl ColorToHsl(uint32_t color);

// Reads the colour lines. Throws std::invalid_argument, with a message for the user, when there are
// fewer than three lines or one of the first four is not a decimal 32-bit integer (an optional sign,
// blanks around it allowed). Lines after the fourth are not read.
TQBColorValues ParseColorLines(const QStringList& lines);
