#pragma once
// Drawing shared by the grid inspectors: a header whose sections the inspector draws itself, the look
// of a header cell, and a delegate that hands data cells of chosen columns to the inspector.

#include <QHeaderView>
#include <QStyledItemDelegate>

#include <functional>

// Draws one header cell: (painter, column, cell rectangle).
using TQBHeaderPainter = std::function<void(QPainter&, int, const QRect&)>;

class TQBGridHeader : public QHeaderView {
  Q_OBJECT
public:
  TQBGridHeader(TQBHeaderPainter painter, QWidget* parent);

protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
  TQBHeaderPainter FPainter;
};

// A header cell: a thin frame (no right side in the last column) around a gradient from white to the
// button-face colour, the caption left-aligned at textLeft or right-aligned 2 pixels from the right
// edge, vertically centred on the height of "Yy".
void DrawHeaderCell(QPainter& painter, const QRect& rect, const QString& caption, bool lastColumn, bool rightAligned,
                    int textLeft = 2);

// Draws a data cell: (painter, option, index); returns false to let the standard delegate draw it.
using TQBCellPainter = std::function<bool(QPainter&, const QStyleOptionViewItem&, const QModelIndex&)>;

class TQBCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  TQBCellDelegate(TQBCellPainter painter, QObject* parent);
  void SetRowHeight(int height) { FRowHeight = height; }
  // Thin lines below and right of every cell, as a grid has between its cells.
  void SetGridLines(bool on) { FGridLines = on; }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  TQBCellPainter FPainter;
  int FRowHeight = 16;
  bool FGridLines = false;
};
