#include "shell/QBDetailPanelLayout.h"

#include <algorithm>

namespace {

// Places pair i with its label at labelX and its pane at paneX, paneWidth wide, the pane's top at top.
// The label reaches up to 2 pixels before the pane.
void Place(TQBDetailPanelGeometry& g, int i, int labelX, int paneX, int paneWidth, int top) {
  g.Panes[size_t(i)] = QRect(paneX, top, std::max(paneWidth, 0), qbdetail::PaneHeight);
  g.Labels[size_t(i)] = QRect(labelX, top + 2, std::max(paneX - labelX - 2, 0), qbdetail::LabelHeight);
}

}  // namespace

namespace qbdetail {

TQBDetailPanelGeometry LayoutForWidth(int w) {
  TQBDetailPanelGeometry g;
  if (w < MediumFrom) {
    g.Height = 136;
    g.Columns = 1;
    for (int i = 0; i < 8; ++i) Place(g, i, 4, 63, w - 67, 4 + 16 * i);
  } else if (w < WideFrom) {
    g.Height = 71;
    g.Columns = 2;
    const int d = (w - 291) / 2;
    for (int i = 0; i < 4; ++i) {
      Place(g, i, 4, 63, d + 80, 4 + 16 * i);
      Place(g, i + 4, d + 152, d + 207, d + 80, 4 + 16 * i);
    }
  } else {
    g.Height = 39;
    g.Columns = 4;
    const int d = (w - 540) / 4;
    struct TColumn {
      int LabelX, PaneX, Width;
    };
    const TColumn columns[] = {{4, 63, d + 80}, {d + 152, d + 207, d + 80}, {2 * d + 296, 2 * d + 332, d + 60},
                               {3 * d + 396, 3 * d + 456, d + 80}};
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 2; ++r) Place(g, 2 * c + r, columns[c].LabelX, columns[c].PaneX, columns[c].Width, 4 + 16 * r);
  }
  return g;
}

}  // namespace qbdetail
