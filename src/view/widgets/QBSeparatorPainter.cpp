#include "view/widgets/QBSeparatorPainter.h"

#include "model/QBMessageTypes.h"

#include <QBrush>
#include <QPainter>
#include <QPixmap>

namespace qbseparators {
namespace {

// A rectangle covering x1..x2-1 and y1..y2-1: the inside filled with brush, the border in pen.
void Box(QPainter& p, int x1, int y1, int x2, int y2, const QColor& pen, const QBrush& brush) {
  if (x2 <= x1 || y2 <= y1) return;
  p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brush);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

int Middle(const QRect& r) {
  return r.top() + r.height() / 2;
}

QColor Highlight(const QPalette& pal) { return pal.color(QPalette::Highlight); }
QColor HighlightText(const QPalette& pal) { return pal.color(QPalette::HighlightedText); }

void Line(QPainter& p, const TSeparatorRow& row, const TQBViewDisplay& d, const QPalette& pal) {
  p.fillRect(row.Rect, row.Back);
  const QColor pen = row.Selected ? HighlightText(pal) : qbcolor::ToQColor(d.SeparatorColor, pal);
  const int m = Middle(row.Rect);
  Box(p, row.IconX, m, row.Rect.right() + 1 - 2, m + 2, pen, row.Back);
}

void Inactive(QPainter& p, const TSeparatorRow& row, const TQBViewDisplay& d, const QPalette& pal) {
  const QColor fill = row.Selected ? Highlight(pal) : pal.color(QPalette::Base);
  const QColor color = qbcolor::ToQColor(d.InactiveSeparatorColor, pal);
  p.fillRect(row.Rect, fill);
  const QRect r = row.Rect.adjusted(2, 2, -2, -2);
  p.fillRect(r, QBrush(row.Selected ? HighlightText(pal) : color, Qt::BDiagPattern));
  Box(p, r.left(), r.top(), r.right() + 1, r.bottom() + 1, color, Qt::NoBrush);
}

void Reset(QPainter& p, const TSeparatorRow& row, const TQBViewDisplay& d, const QPalette& pal) {
  p.fillRect(row.Rect, row.Back);
  const QColor pen = row.Selected ? HighlightText(pal) : qbcolor::ToQColor(d.SeparatorColor, pal);
  const int m = Middle(row.Rect);
  const int x1 = row.Rect.left() + 2, x2 = row.Rect.right() + 1 - 2;
  Box(p, x1, m - 2, x2, m, pen, row.Back);
  Box(p, x1, m + 2, x2, m + 4, pen, row.Back);
}

void AppStart(QPainter& p, const TSeparatorRow& row, const TQBViewDisplay& d, const QPalette& pal) {
  const QColor fill = row.Selected ? Highlight(pal) : pal.color(QPalette::Base);
  const QColor c = row.Selected ? HighlightText(pal) : qbcolor::ToQColor(d.AppStartSeparatorColor, pal);
  p.fillRect(row.Rect, fill);
  const QRect r = row.Rect.adjusted(2, 2, -2, -2);
  Box(p, r.left(), r.top(), r.right() + 1, r.bottom() + 1, c, QBrush(Checkers(fill, c)));
}

}  // namespace

QPixmap Checkers(const QColor& fill, const QColor& square) {
  QPixmap pattern(8, 8);
  pattern.fill(fill);
  QPainter p(&pattern);
  for (const QPoint& at : {QPoint(0, 0), QPoint(4, 0), QPoint(2, 2), QPoint(6, 2), QPoint(0, 4), QPoint(4, 4),
                           QPoint(2, 6), QPoint(6, 6)})
    p.fillRect(QRect(at, QSize(2, 2)), square);
  return pattern;
}

void Paint(QPainter& painter, const TSeparatorRow& row, const TQBViewDisplay& display, const QPalette& palette) {
  switch (row.Type) {
  case qbmSeparator: Line(painter, row, display, palette); break;
  case qbmInactiveSeparator: Inactive(painter, row, display, palette); break;
  case qbmResetSeparator: Reset(painter, row, display, palette); break;
  case qbmAppStartSeparator: AppStart(painter, row, display, palette); break;
  default: break;
  }
}

}  // namespace qbseparators
