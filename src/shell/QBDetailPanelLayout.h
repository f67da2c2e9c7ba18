#pragma once
// Where the message detail panel puts its eight label and value pairs, as a function of its width:
// one column below 291 pixels, two from 291 to 539, four from 540. Positions are in the panel's own
// coordinates; every label stands 2 pixels below the top of its value pane.
//
// Those positions leave each column of labels a fixed room (57 pixels before the first panes, 34
// before the PID and Thread panes of the four-column form), made for one font. The panel hands in
// the widths its labels need in the font it has: a column whose widest label needs more room moves
// its panes right by the difference, the panes give up that width, and the two and four-column forms
// begin that much wider. Labels that fit keep the positions above exactly.

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

// The width each label's text needs, in field order; 0 for a label that needs no more than its room.
using TLabelWidths = std::array<int, 8>;

TQBDetailPanelGeometry LayoutForWidth(int width, const TLabelWidths& labelWidths = {});

}  // namespace qbdetail
