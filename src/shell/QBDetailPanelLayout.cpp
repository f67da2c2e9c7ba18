#include "shell/QBDetailPanelLayout.h"

#include <algorithm>
#include <vector>

namespace {

// One column of pairs at a given d: its label and pane positions, its panes' width and the pairs it
// holds, one below the other from the top.
struct TColumn {
  int LabelX, PaneX, PaneWidth;
  int First, Count;
};

struct TForm {
  int Height;
  int From;     // the narrowest width of the form
  int Divisor;  // d = (width - From) / Divisor
  std::vector<TColumn> (*Columns)(int d);
};

std::vector<TColumn> NarrowColumns(int d) { return {{4, 63, d + 224, 0, 8}}; }

std::vector<TColumn> MediumColumns(int d) { return {{4, 63, d + 80, 0, 4}, {d + 152, d + 207, d + 80, 4, 4}}; }

std::vector<TColumn> WideColumns(int d) {
  return {{4, 63, d + 80, 0, 2},
          {d + 152, d + 207, d + 80, 2, 2},
          {2 * d + 296, 2 * d + 332, d + 60, 4, 2},
          {3 * d + 396, 3 * d + 456, d + 80, 6, 2}};
}

// The narrow form's panes are width - 67 wide: d + 224 with d = width - 291.
const TForm Narrow{136, 291, 1, NarrowColumns};
const TForm Medium{71, qbdetail::MediumFrom, 2, MediumColumns};
const TForm Wide{39, qbdetail::WideFrom, 4, WideColumns};

// How much wider than its room each column's widest label is.
std::vector<int> ExtraRoom(const TForm& form, const qbdetail::TLabelWidths& labels) {
  std::vector<int> extra;
  for (const TColumn& c : form.Columns(0)) {
    const int room = c.PaneX - c.LabelX - 2;
    const int widest = *std::max_element(labels.begin() + c.First, labels.begin() + c.First + c.Count);
    extra.push_back(std::max(widest - room, 0));
  }
  return extra;
}

int Sum(const std::vector<int>& values) {
  int sum = 0;
  for (int v : values) sum += v;
  return sum;
}

TQBDetailPanelGeometry Place(const TForm& form, int width, const std::vector<int>& extra) {
  TQBDetailPanelGeometry g;
  g.Height = form.Height;
  const std::vector<TColumn> columns = form.Columns((width - Sum(extra) - form.From) / form.Divisor);
  g.Columns = int(columns.size());
  int shift = 0;
  for (size_t c = 0; c < columns.size(); ++c) {
    const TColumn& column = columns[c];
    const int labelX = column.LabelX + shift;
    shift += extra[c];
    const int paneX = column.PaneX + shift;
    for (int r = 0; r < column.Count; ++r) {
      const int top = 4 + 16 * r;
      const size_t i = size_t(column.First + r);
      g.Panes[i] = QRect(paneX, top, std::max(column.PaneWidth, 0), qbdetail::PaneHeight);
      // The label reaches up to 2 pixels before the pane.
      g.Labels[i] = QRect(labelX, top + 2, std::max(paneX - labelX - 2, 0), qbdetail::LabelHeight);
    }
  }
  return g;
}

}  // namespace

namespace qbdetail {

TQBDetailPanelGeometry LayoutForWidth(int width, const TLabelWidths& labelWidths) {
  // The widest form whose labels and panes fit.
  for (const TForm* form : {&Wide, &Medium}) {
    const std::vector<int> extra = ExtraRoom(*form, labelWidths);
    if (width - Sum(extra) >= form->From) return Place(*form, width, extra);
  }
  return Place(Narrow, width, ExtraRoom(Narrow, labelWidths));
}

}  // namespace qbdetail
