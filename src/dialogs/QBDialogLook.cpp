#include "dialogs/QBDialogLook.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

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

QFrame* NewMessageFrame(QWidget* parent, QStyle::StandardPixmap icon, const QString& text, const QSize& textSize,
                        QLabel** label, QWidget* below) {
  QFrame* frame = NewContentFrame(parent);
  auto* image = new QLabel(frame);
  image->setObjectName(QStringLiteral("imgIcon"));
  image->setPixmap(frame->style()->standardIcon(icon).pixmap(32, 32));
  image->setFixedSize(32, 32);
  image->setAccessibleName(icon == QStyle::SP_MessageBoxCritical      ? QStringLiteral("Error")
                           : icon == QStyle::SP_MessageBoxQuestion    ? QStringLiteral("Question")
                                                                      : QStringLiteral("Information"));
  // Texts mark line breaks with a carriage return; a label breaks at line feeds.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  auto* message = new QLabel(shown, frame);
  message->setObjectName(QStringLiteral("lblMessage"));
  message->setTextFormat(Qt::PlainText);
  message->setWordWrap(true);
  message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  message->setMinimumSize(textSize);
  message->setMaximumWidth(textSize.width());
  message->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* content = new QHBoxLayout(frame);
  content->addWidget(image, 0, Qt::AlignTop);
  auto* column = new QVBoxLayout;
  column->addWidget(message);
  if (below) column->addWidget(below);
  column->addStretch(1);
  content->addLayout(column, 1);
  if (label) *label = message;
  return frame;
}

void FinishOkCancel(QDialog& dialog, QFrame* frame) {
  QPushButton* ok = NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), &dialog);
  QPushButton* cancel = NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), &dialog);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(frame);
  layout->addLayout(ButtonRow({ok, cancel}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::unique_ptr<QProgressDialog> NewProgressDialog(QWidget* over, const QString& objectName, const QString& label,
                                                   const QString& accessibleName) {
  auto dialog = std::make_unique<QProgressDialog>(over ? over->window() : nullptr);
  QProgressDialog& d = *dialog;
  d.setObjectName(objectName);
  d.setWindowTitle(QString::fromLatin1(Caption));
  d.setLabelText(label);
  // The dialog's own button: one handed in with setCancelButton would add a second Escape shortcut to
  // the first, and two shortcuts on one key in one window fire neither.
  d.setCancelButtonText(QStringLiteral("Cancel"));
  if (auto* cancel = d.findChild<QPushButton*>()) {
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setFixedWidth(ButtonWidth);
  }
  // Escape in an inactive dialog reaches it as a key, not a shortcut, and closes it without its close
  // event: it cancels as the button does.
  QObject::connect(&d, &QDialog::rejected, &d, &QProgressDialog::cancel);
  ApplyDialogLook(d);
  d.setWindowModality(Qt::ApplicationModal);
  d.setAutoReset(false);
  d.setAutoClose(false);
  d.setMinimumDuration(0);
  d.setAccessibleName(accessibleName);
  PlaceDialog(d, over);
  return dialog;
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

QHBoxLayout* YesNoRow(QDialog& dialog) {
  QPushButton* yes = NewButton(QStringLiteral("&Yes"), QStringLiteral("btnYes"), &dialog);
  QPushButton* no = NewButton(QStringLiteral("&No"), QStringLiteral("btnNo"), &dialog);
  yes->setDefault(true);
  QObject::connect(yes, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(no, &QPushButton::clicked, &dialog, &QDialog::reject);
  return ButtonRow({yes, no});
}

}  // namespace qbdialogs
