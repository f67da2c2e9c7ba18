#pragma once
// A font of the settings file as a font to draw with: name, size and the style bits (8 bold, 4 italic,
// 2 underline, 1 strike-out). A size that is not positive gives 8 points.

#include "settings/QBSettings.h"

#include <QFont>

QFont QBFontOf(const TQBFontSettings& settings);
