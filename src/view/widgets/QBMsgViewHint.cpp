#include "view/widgets/QBMsgViewHint.h"

#include <QFontMetrics>
#include <QPainter>

TQBMessageViewHintWindow::TQBMessageViewHintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setObjectName(QStringLiteral("hintMessageText"));
  setAccessibleName(QStringLiteral("Message text"));
}

QSize TQBMessageViewHintWindow::HintSize(const QString& text, const QFont& font, int maxWidth) {
  const QFontMetrics fm(font);
  const QRect wrapped = fm.boundingRect(QRect(0, 0, std::max(1, maxWidth), 100000), Qt::TextWordWrap, text);
  int width = wrapped.width() + 2;  // the left edge moves 2 pixels left
  width = width >= maxWidth ? maxWidth : width + 4;
  int height = wrapped.height();
  height = height <= 40 ? height + 2 : 40;
  return {width, height};
}

void TQBMessageViewHintWindow::ShowAt(const QPoint& topLeft, const QSize& size) {
  const QRect target(topLeft, size);
  if (isVisible() && geometry() == target) return;
  setGeometry(target);
  show();
}

void TQBMessageViewHintWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
  p.setPen(palette().color(QPalette::ToolTipText));
  p.setFont(font());
  p.drawText(rect().adjusted(2, 2, -2, -2), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, FText);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}
