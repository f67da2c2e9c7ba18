#pragma once
// The four separator rows, drawn instead of an icon and a text: a line indented to the row's level, a
// hatched band for an inactive separator, a double line across the row for a reset separator and a
// checkered band for an application start.

#include "view/widgets/QBViewDisplay.h"

#include <QColor>
#include <QPalette>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace qbseparators {

struct TSeparatorRow {
  int32_t Type = 0;
  QRect Rect;       // the row's line, left edge moved by the horizontal scroll
  int IconX = 0;    // where the row's level starts
  bool Selected = false;
  QColor Back;      // the row background chosen by priority
};

// The 8 by 8 checkerboard of 2-pixel squares of an application start band.
QPixmap Checkers(const QColor& fill, const QColor& square);

void Paint(QPainter& painter, const TSeparatorRow& row, const TQBViewDisplay& display, const QPalette& palette);

}  // namespace qbseparators
