#include "inspectors/QBPictureControl.h"

#include <QPaintEvent>
#include <QPainter>

TQBPictureControl::TQBPictureControl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("imgPicture"));
  setAccessibleName(QStringLiteral("Picture"));
}

void TQBPictureControl::SetPicture(QImage picture) {
  FPicture = std::move(picture);
  if (FMode == FullSize) resize(FPicture.size());
  update();
}

void TQBPictureControl::SetMode(TMode mode) {
  FMode = mode;
  update();
}

QRect TQBPictureControl::PictureRect() const {
  const QSize natural = FPicture.size();
  switch (FMode) {
    case Stretch: return rect();
    case Scale: {
      if (natural.width() <= width() && natural.height() <= height()) return {QPoint(0, 0), natural};
      return {QPoint(0, 0), natural.scaled(size(), Qt::KeepAspectRatio)};
    }
    case FullSize: break;
  }
  return {QPoint(0, 0), natural};
}

void TQBPictureControl::paintEvent(QPaintEvent* event) {
  if (FPicture.isNull()) return;
  QPainter p(this);
  const QRect target = PictureRect();
  if (target.size() == FPicture.size()) {
    // Natural size: copy only the exposed part, which keeps scrolling a huge picture smooth.
    const QRect exposed = event->rect().intersected(target);
    p.drawImage(exposed.topLeft(), FPicture, exposed.translated(-target.topLeft()));
    return;
  }
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setClipRect(event->rect());
  p.drawImage(target, FPicture);
}
