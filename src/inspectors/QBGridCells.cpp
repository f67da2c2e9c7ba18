#include "inspectors/QBGridCells.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>

TQBGridHeader::TQBGridHeader(TQBHeaderPainter painter, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), FPainter(std::move(painter)) {
  setSectionsClickable(false);
  setHighlightSections(false);
}

void TQBGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->save();
  FPainter(*painter, logicalIndex, rect);
  painter->restore();
}

void DrawHeaderCell(QPainter& painter, const QRect& rect, const QString& caption, bool lastColumn, bool rightAligned,
                    int textLeft) {
  const QColor face = QApplication::palette().color(QPalette::Button);
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0, Qt::white);
  fill.setColorAt(1, face);
  painter.fillRect(rect, fill);
  painter.setPen(face.darker(135));
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  if (!lastColumn) painter.drawLine(rect.topRight(), rect.bottomRight());
  painter.setPen(QApplication::palette().color(QPalette::ButtonText));
  const int textHeight = painter.fontMetrics().boundingRect(QStringLiteral("Yy")).height();
  const int y = rect.top() + (rect.height() - textHeight) / 2;
  const QRect text(rect.left() + textLeft, y, rect.width() - textLeft - 2, textHeight);
  painter.setClipRect(rect);
  painter.drawText(text, (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, caption);
}

TQBCellDelegate::TQBCellDelegate(TQBCellPainter painter, QObject* parent)
    : QStyledItemDelegate(parent), FPainter(std::move(painter)) {}

void TQBCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const bool drawn = FPainter(*painter, option, index);
  painter->restore();
  if (!drawn) QStyledItemDelegate::paint(painter, option, index);
  if (!FGridLines) return;
  const QRect r = option.rect;
  painter->save();
  painter->setPen(QApplication::palette().color(QPalette::Button).darker(110));
  painter->drawLine(r.bottomLeft(), r.bottomRight());
  painter->drawLine(r.topRight(), r.bottomRight());
  painter->restore();
}

QSize TQBCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), FRowHeight};
}

