#pragma once
// One entry of the per-type style table: how rows of a message type are drawn when they do not simply
// use the message font.

#include <cstdint>

struct TQBTypeStyle {
  bool UseDefault = false;  // true: the row keeps the message font's colour and style
  int32_t Color = 0;        // a 32-bit colour value (red in the low byte, or a system colour)
  int32_t Style = 0;        // font style bits: 8 bold, 4 italic, 2 underline, 1 strike-out
  friend bool operator==(const TQBTypeStyle&, const TQBTypeStyle&) = default;
};
