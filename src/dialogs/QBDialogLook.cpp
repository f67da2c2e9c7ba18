#include "dialogs/QBDialogLook.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace qbdialogs {

QColor AdjustLuminance(const QColor& color, int delta) {
  const QColor hsl = color.toHsl();
  // Qt keeps lightness on 0..255; the rule is stated on 0..240.
  const int l240 = int(std::lround(hsl.lightness() * 240.0 / 255.0));
  const int moved = std::clamp(l240 + delta, 0, 240);
  return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), int(std::lround(moved * 255.0 / 240.0))).toRgb();
}

QColor DialogColor() {
  return AdjustLuminance(QApplication::palette().color(QPalette::Button), -20);
}

QFont DialogFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  return font;
}

QRect PlacedRect(const QSize& dialog, const QRect& control, const QRect& monitor) {
  auto place = [](int start, int length, int size, int monitorStart, int monitorEnd) {
    int pos = start + (length - size) / 2;
    if (pos < monitorStart) pos = monitorStart;
    if (pos + size > monitorEnd) pos = monitorEnd - size;
    return pos;
  };
  const int left = place(control.left(), control.width(), dialog.width(), monitor.left(), monitor.right() + 1);
  const int top = place(control.top(), control.height(), dialog.height(), monitor.top(), monitor.bottom() + 1);
  return {QPoint(left, top), dialog};
}

void PlaceDialog(QWidget& dialog, const QWidget* control) {
  if (!control) control = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.resize(dialog.sizeHint());
  QScreen* screen = control ? control->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect over = control ? QRect(control->mapToGlobal(QPoint(0, 0)), control->size()) : screen->geometry();
  dialog.move(PlacedRect(dialog.size(), over, screen->geometry()).topLeft());
}

void ApplyDialogLook(QDialog& dialog) {
  QPalette pal = dialog.palette();
  pal.setColor(QPalette::Window, DialogColor());
  dialog.setPalette(pal);
  dialog.setAutoFillBackground(true);
  dialog.setFont(DialogFont());
}

QFrame* NewContentFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  return frame;
}

QLabel* FillMessageArea(QFrame& frame, TMessageIcon icon, const QString& text, const QSize& textArea) {
  const struct {
    QStyle::StandardPixmap Pixmap;
    const char* Name;
  } icons[] = {{QStyle::SP_MessageBoxCritical, "Error"},
               {QStyle::SP_MessageBoxInformation, "Information"},
               {QStyle::SP_MessageBoxQuestion, "Question"}};
  const auto& chosen = icons[int(icon)];
  auto* image = new QLabel(&frame);
  image->setObjectName(QStringLiteral("imgIcon"));
  image->setPixmap(frame.style()->standardIcon(chosen.Pixmap).pixmap(32, 32));
  image->setFixedSize(32, 32);
  image->setAccessibleName(QString::fromLatin1(chosen.Name));
  // Texts mark line breaks with a carriage return; a label breaks at line feeds.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  auto* label = new QLabel(shown, &frame);
  label->setObjectName(QStringLiteral("lblMessage"));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setMinimumSize(textArea);
  label->setMaximumWidth(textArea.width());
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* content = new QHBoxLayout(&frame);
  content->addWidget(image, 0, Qt::AlignTop);
  content->addWidget(label, 1);
  return label;
}

QPushButton* NewButton(const QString& text, const QString& objectName, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(objectName);
  button->setFixedWidth(ButtonWidth);
  return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

}  // namespace qbdialogs
