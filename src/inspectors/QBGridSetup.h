#pragma once
// The common set-up of the inspectors' grids: no border, whole-row selection, a header drawn by the
// inspector, rows of a fixed height, one line per wheel-scroll line and live scrolling.

class QAbstractItemView;
class QFont;
class TQBCellDelegate;

// Prepares the view; returns the delegate that sets its row height.
TQBCellDelegate* SetUpGrid(QAbstractItemView& view, TQBCellDelegate* delegate);

// The grid takes the font; rows become 4 pixels higher than its characters.
void SetGridFont(QAbstractItemView& view, TQBCellDelegate& delegate, const QFont& font);
