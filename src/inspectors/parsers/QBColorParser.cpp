#include "inspectors/parsers/QBColorParser.h"

#include "inspectors/parsers/QBHalfEven.h"

#include <algorithm>
#include <stdexcept>

namespace {

// A decimal 32-bit integer with an optional sign; blanks around it are allowed.
int IntegerLine(const QString& line) {
  bool ok = false;
  const int value = line.trimmed().toInt(&ok, 10);
  if (!ok)
    throw std::invalid_argument(QStringLiteral("'%1' is not a valid integer value.").arg(line).toStdString());
  return value;
}

int To240(double fraction) { return int(RoundHalfEven(240.0 * fraction)); }

}  // namespace

TQBHsl ColorToHsl(uint32_t color) {
  const double r = (color & 0xFF) / 255.0, g = ((color >> 8) & 0xFF) / 255.0, b = ((color >> 16) & 0xFF) / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  const double l = (max + min) / 2;
  if (max == min) return {0, 0, To240(l)};
  const double d = max - min;
  const double s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
  double h = r == max ? (g - b) / d : g == max ? (b - r) / d + 2 : (r - g) / d + 4;
  h /= 6;
  if (h < 0) h += 1;
  return {To240(h), To240(s), To240(l)};
}

TQBColorValues ParseColorLines(const QStringList& lines) {
  if (lines.size() < 3)
    throw std::invalid_argument("A colour needs at least three lines: red, green and blue.");
  TQBColorValues values;
  const int red = IntegerLine(lines[0]), green = IntegerLine(lines[1]), blue = IntegerLine(lines[2]);
  values.Alpha = lines.size() >= 4 ? IntegerLine(lines[3]) : 0;
  values.Red = lines[0];
  values.Green = lines[1];
  values.Blue = lines[2];
  values.Color = uint32_t(red & 0xFF) | uint32_t(green & 0xFF) << 8 | uint32_t(blue & 0xFF) << 16;
  values.Hsl = ColorToHsl(values.Color);
  return values;
}
