#pragma once
// The message type buttons of the view filter dialog and of the navigation message dialog: one table
// with each button's name, hint, type code and place in the five-by-eight grid. The filter dialog shows
// the 36 buttons that filter; the navigation dialog shows all 40, the four separators included.

#include <array>
#include <cstdint>

struct TQBTypeButton {
  const char* Name;  // "Info": the button is btnInfo
  const char* Hint;  // its tooltip
  int32_t Code;      // the message type code it stands for
  int Row, Column;   // 0-based; column 7 stands a little apart
  bool Filters;      // shown by the filter dialog too
};

namespace qbtypebuttons {

inline constexpr int Count = 40;
inline constexpr int Rows = 5;
inline constexpr int Columns = 8;

// In the order the dialogs read them: the filter dialog's order, the separators after Exit Methods.
const std::array<TQBTypeButton, Count>& Buttons();

}  // namespace qbtypebuttons
