#include "inspectors/QBToolButtons.h"

#include "inspectors/QBImageList.h"

#include <QFrame>
#include <QHBoxLayout>

namespace {
constexpr int ButtonSize = 24;
constexpr int IconSize = 16;

QHBoxLayout* Row(QWidget* panel) { return qobject_cast<QHBoxLayout*>(panel->layout()); }
}  // namespace

TQBToolButton::TQBToolButton(const QString& caption, int imageIndex, bool toggle, QWidget* parent)
    : QToolButton(parent) {
  setProperty("ImageIndex", imageIndex);
  setToolTip(caption);
  setAccessibleName(caption);
  setCheckable(toggle);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(ButtonSize, ButtonSize);
  setIconSize(QSize(IconSize, IconSize));
}

void TQBToolButton::SetImages(const TQBImageList* images) {
  setIcon(images ? images->Image(property("ImageIndex").toInt()) : QIcon());
}

void SetUpButtonRow(QWidget* panel) {
  auto* row = new QHBoxLayout(panel);
  row->setSpacing(0);
  row->setContentsMargins(0, 0, 0, 0);
  row->addStretch(1);
}

TQBToolButton* AddToolButton(QWidget* panel, const QString& caption, int imageIndex, bool toggle) {
  auto* button = new TQBToolButton(caption, imageIndex, toggle, panel);
  Row(panel)->addWidget(button, 0, Qt::AlignVCenter);
  return button;
}

void AddButtonGap(QWidget* panel, int width) { Row(panel)->addSpacing(width); }

void AddButtonGroove(QWidget* panel) {
  auto* groove = new QFrame(panel);
  groove->setFrameShape(QFrame::VLine);
  groove->setFrameShadow(QFrame::Sunken);
  groove->setFixedWidth(8);
  groove->setFixedHeight(ButtonSize - 4);
  Row(panel)->addWidget(groove, 0, Qt::AlignVCenter);
}
