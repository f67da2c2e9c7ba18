#pragma once
// Where the message detail panel puts its eight label and value pairs, as a function of its width:
// one column below 291 pixels, two from 291 to 539, four from 540. Positions are in the panel's own
// coordinates; every label stands 2 pixels below the top of its value pane.

#include <QRect>

#include <array>

struct TQBDetailPanelGeometry {
  int Height = 0;
  int Columns = 0;
  std::array<QRect, 8> Labels;  // in field order
  std::array<QRect, 8> Panes;
};

namespace qbdetail {

inline constexpr int LabelHeight = 13;
inline constexpr int PaneHeight = 17;
inline constexpr int MediumFrom = 291;
inline constexpr int WideFrom = 540;

TQBDetailPanelGeometry LayoutForWidth(int width);

}  // namespace qbdetail
