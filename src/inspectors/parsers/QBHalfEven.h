#pragma once
// Rounding to the nearest integer with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4), the
// rounding of the colour values and of the picture and colour-pane sizes.

#include <cmath>

inline long long RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double fraction = value - down;
  if (fraction > 0.5) return static_cast<long long>(down) + 1;
  if (fraction < 0.5) return static_cast<long long>(down);
  const long long even = static_cast<long long>(down);
  return even % 2 == 0 ? even : even + 1;
}
