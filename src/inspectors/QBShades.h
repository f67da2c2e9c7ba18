#pragma once
// Lighter and darker shades of a colour by lightness on the 0 to 240 scale, the way the panes derive
// their gradients and the gutter colour from the button-face colour.

#include <QColor>

// The colour with its lightness (0 to 240) moved by delta and held in range; hue and saturation kept.
QColor ShadeOf(const QColor& color, int delta);

// The button-face colour of the application palette, shaded by delta.
QColor ButtonFaceShade(int delta);
