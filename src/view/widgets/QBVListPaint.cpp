// Painting of the virtual list box: only the rows that meet the area to paint are fetched and drawn.
#include "view/widgets/QBVList.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

void TQBCustomVirtualListBox::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setFont(font());
  const QRect area = event->rect();
  const QColor background = palette().color(QPalette::Base);
  if (FShowHeader && area.top() < FRowHeight) DrawHeader(painter);
  if (FUpdateCount > 0) {
    // The rows are changing: the window system still wants the area painted (the viewport paints
    // every pixel itself), so it gets the background until the bracket closes and repaints the rows.
    painter.fillRect(QRect(0, HeaderHeight(), viewport()->width(), viewport()->height()).intersected(area), background);
    return;
  }
  const int rows = std::min(FPageRows, FNumItems - FTopIndex);
  const int firstLine = FShowHeader ? 1 : 0;
  int bottom = firstLine * FRowHeight;
  for (int i = 0; i < rows; ++i) {
    const QRect line(0, (i + firstLine) * FRowHeight, viewport()->width(), FRowHeight);
    bottom = line.bottom() + 1;
    if (line.intersects(area)) PaintRow(painter, FTopIndex + i, line);
  }
  // Only whole rows are drawn; a partly visible line below them shows the background.
  const QRect rest(0, bottom, viewport()->width(), viewport()->height() - bottom);
  if (rest.intersects(area)) painter.fillRect(rest, background);
  PaintCaret(painter);
}

void TQBCustomVirtualListBox::PaintRow(QPainter& painter, int row, const QRect& line) {
  QColor fg = palette().color(QPalette::Text);
  QColor bg = palette().color(QPalette::Base);
  bool selected = false;
  if (GetItemStatus(row)) {
    fg = ProtectTextColor;
    bg = ProtectBackColor;
  } else if (IsSelected(row)) {
    fg = SelectTextColor;
    bg = SelectBackColor;
    selected = true;
  } else {
    DoGetItemColor(row, fg, bg);
  }
  painter.fillRect(line, bg);
  const QString text = GetItemText(row);
  if (FOwnerDraw) {
    painter.save();
    DrawItem(painter, row, line.translated(-10 * FHorzPos, 0), selected, text);
    painter.restore();
    return;
  }
  painter.setPen(fg);
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | (FUseTabStops ? Qt::TextExpandTabs : 0);
  painter.drawText(line.adjusted(2 - 10 * FHorzPos, 0, 0, 0), flags, text);
}

void TQBCustomVirtualListBox::PaintCaret(QPainter& painter) {
  if (FCaretRow < 0 || !hasFocus()) return;
  const QRect line = RowRect(FCaretRow);
  if (line.isEmpty()) return;
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = line;
  option.backgroundColor = IsSelected(FCaretRow) ? SelectBackColor : palette().color(QPalette::Base);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TQBCustomVirtualListBox::DrawHeader(QPainter& painter) {
  const int w = viewport()->width();
  painter.fillRect(QRect(0, 0, w, FRowHeight - 1), HeaderBackColor);
  painter.setPen(HeaderTextColor);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | (FUseTabStops ? Qt::TextExpandTabs : 0);
  painter.drawText(QRect(2, 0, w - 2, FRowHeight), flags, FHeader.mid(FHorzPos));
  painter.setPen(Qt::black);
  painter.drawLine(0, FRowHeight - 1, w, FRowHeight - 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(0, 0, w, 0);
  painter.drawLine(0, 0, 0, FRowHeight - 2);
}

void TQBCustomVirtualListBox::DrawItem(QPainter&, int, const QRect&, bool, const QString&) {}
