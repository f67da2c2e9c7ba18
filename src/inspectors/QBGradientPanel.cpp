#include "inspectors/QBGradientPanel.h"

#include "inspectors/QBShades.h"

#include <QLinearGradient>
#include <QPainter>

TQBGradientPanel::TQBGradientPanel(QWidget* parent) : QWidget(parent) {}

void TQBGradientPanel::SetBorderSides(Qt::Edges sides) {
  FBorders = sides;
  update();
}

void TQBGradientPanel::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  update();
}

QColor TQBGradientPanel::BorderColor() { return ButtonFaceShade(-60); }

void TQBGradientPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, ButtonFaceShade(20));
  fill.setColorAt(1, ButtonFaceShade(-12));
  p.fillRect(r, fill);
  p.setPen(BorderColor());
  if (FBorders & Qt::TopEdge) p.drawLine(r.topLeft(), r.topRight());
  if (FBorders & Qt::BottomEdge) p.drawLine(r.bottomLeft(), r.bottomRight());
  if (FBorders & Qt::LeftEdge) p.drawLine(r.topLeft(), r.bottomLeft());
  if (FBorders & Qt::RightEdge) p.drawLine(r.topRight(), r.bottomRight());
  if (FCaption.isEmpty()) return;
  p.setPen(palette().color(QPalette::WindowText));
  const QRect text = r.adjusted(FTextMargin, 0, -FTextMargin, 0);
  p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             fontMetrics().elidedText(FCaption, Qt::ElideRight, text.width()));
}
