#pragma once
// 32-bit colour values as stored in logs and settings, turned into colours to paint with. A plain value
// holds red in the low byte, then green, then blue; a value with 255 in the top byte names a system
// colour by its index, which maps onto the application palette.

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace qbcolor {

// System colour indexes the program uses.
inline constexpr int SysWindow = 5;
inline constexpr int SysWindowText = 8;
inline constexpr int SysHighlight = 13;
inline constexpr int SysHighlightText = 14;
inline constexpr int SysButtonFace = 15;
inline constexpr int SysButtonShadow = 16;
inline constexpr int SysInfoText = 23;

constexpr int32_t SystemColor(int index) { return int32_t(0xFF000000u | uint32_t(index)); }
constexpr int32_t Rgb(int r, int g, int b) { return int32_t(uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16); }

// The palette colour that stands for a system colour index.
QColor SystemQColor(int index, const QPalette& palette);
// A stored value as a colour; system colours come from the palette.
QColor ToQColor(int32_t value, const QPalette& palette);
inline QColor ToQColor(int32_t value) { return ToQColor(value, QPalette()); }

}  // namespace qbcolor
