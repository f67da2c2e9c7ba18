#include "view/widgets/QBViewHeader.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <vector>

namespace {

struct TCell {
  int Left, Right;
  QString Caption;
  bool LeftAligned;
};

void PaintCell(QPainter& p, const TCell& cell, bool last, int height, int textTop, const QPalette& pal) {
  const QRect r(cell.Left, 0, cell.Right - cell.Left, height);
  QLinearGradient gradient(0, 0, 0, height);
  gradient.setColorAt(0, Qt::white);
  gradient.setColorAt(1, pal.color(QPalette::Button));
  p.fillRect(r, gradient);
  // A raised one-pixel edge; the last cell runs into the scroll bar without a right edge.
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(r.left(), r.top(), r.right(), r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom());
  p.setPen(pal.color(QPalette::Dark));
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  if (!last) p.drawLine(r.right(), r.top(), r.right(), r.bottom());
  p.setPen(pal.color(QPalette::ButtonText));
  const QRect text = cell.LeftAligned ? QRect(r.left() + 4, textTop, r.width() - 4, height)
                                      : QRect(r.left(), textTop, r.width() - 4, height);
  p.drawText(text, (cell.LeftAligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop | Qt::TextSingleLine,
             cell.Caption);
}

}  // namespace

void PaintViewHeader(QPainter& painter, const TQBDetailLayout& layout, TQBColumnSet columns, int width,
                     int rowHeight, const QFont& font, const QPalette& palette) {
  std::vector<TCell> cells{{0, layout.MessageRight, QString::fromLatin1(qbrowtext::HeaderCaptionMessage), true}};
  for (int d = 0; d < qbrowtext::DetailCount; ++d) {
    if (!layout.Visible[size_t(d)]) continue;
    const auto detail = qbrowtext::TDetail(d);
    cells.push_back({layout.Left[size_t(d)], layout.Right[size_t(d)], qbrowtext::HeaderCaption(detail, columns),
                     qbrowtext::IsLeftAligned(detail)});
  }
  painter.save();
  painter.setFont(font);
  painter.setClipRect(QRect(0, 0, width, rowHeight));
  const int textTop = (rowHeight - QFontMetrics(font).height()) / 2;
  for (size_t i = 0; i < cells.size(); ++i) PaintCell(painter, cells[i], i + 1 == cells.size(), rowHeight, textTop, palette);
  painter.restore();
}
