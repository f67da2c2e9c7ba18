#include "inspectors/QBShades.h"

#include "inspectors/parsers/QBHalfEven.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

QColor ShadeOf(const QColor& color, int delta) {
  const QColor hsl = color.toHsl();
  const int l240 = int(RoundHalfEven(hsl.lightnessF() * 240.0)) + delta;
  const double l = std::clamp(l240, 0, 240) / 240.0;
  return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), float(l)).toRgb();
}

QColor ButtonFaceShade(int delta) { return ShadeOf(QApplication::palette().color(QPalette::Button), delta); }
