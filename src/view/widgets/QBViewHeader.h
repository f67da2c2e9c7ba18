#pragma once
// The header line of a message view: one raised cell over the message column and one over each
// visible detail column, each with a white-to-button-face gradient and its caption. The header does
// not scroll sideways.

#include "view/widgets/QBColumnWidths.h"

#include <QFont>
#include <QPalette>

class QPainter;

void PaintViewHeader(QPainter& painter, const TQBDetailLayout& layout, TQBColumnSet columns, int width,
                     int rowHeight, const QFont& font, const QPalette& palette);
