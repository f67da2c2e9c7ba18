#include "dialogs/QBEditMessageForm.h"

#include "model/QBLineBreaks.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QColor BorderColor(60, 80, 140);

QPushButton* SmallButton(const QString& text, const QString& name, QStyle::StandardPixmap icon, QWidget* parent) {
  auto* button = new QPushButton(parent->style()->standardIcon(icon), text, parent);
  button->setObjectName(name);
  button->setFixedSize(60, 17);
  button->setIconSize(QSize(12, 12));
  button->setFlat(false);
  return button;
}

}  // namespace

TFrmEditMessage::TFrmEditMessage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FrmEditMessage"));
  setWindowTitle(QStringLiteral("Edit Message"));
  setMinimumSize(150, 50);
  resize(278, 82);

  // The whole area is one panel with a 4-pixel flat border.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("pnlEdit"));
  panel->setStyleSheet(QStringLiteral("#pnlEdit { border: 4px solid rgb(%1, %2, %3); }")
                           .arg(BorderColor.red())
                           .arg(BorderColor.green())
                           .arg(BorderColor.blue()));
  FEdit = new QPlainTextEdit(panel);
  FEdit->setObjectName(QStringLiteral("edtMsgText"));
  FEdit->setAccessibleName(QStringLiteral("Message text"));
  FEdit->setTabChangesFocus(true);
  FEdit->installEventFilter(this);
  QPushButton* ok = SmallButton(QStringLiteral("OK"), QStringLiteral("btnAccept"), QStyle::SP_DialogApplyButton, panel);
  QPushButton* cancel =
      SmallButton(QStringLiteral("Cancel"), QStringLiteral("btnReject"), QStyle::SP_DialogCancelButton, panel);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* inner = new QVBoxLayout(panel);
  inner->setContentsMargins(6, 6, 6, 6);
  inner->setSpacing(4);
  inner->addWidget(FEdit, 1);
  inner->addLayout(buttons);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(panel);
}

void TFrmEditMessage::SetMsgText(const QString& text) {
  QString shown = NormalizeLineBreaks(text);
  FEdit->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  FEdit->selectAll();
}

QString TFrmEditMessage::MsgText() const {
  // Message texts break lines with CR LF, as they arrive from logs.
  return FEdit->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

bool TFrmEditMessage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEdit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

QRect TFrmEditMessage::PlacedRect(const QRect& below, int height, int bottomLimit) {
  QRect r(below.left(), below.top(), below.width(), height);
  if (r.bottom() + 1 > bottomLimit) r.moveBottom(bottomLimit - 1);
  return r;
}

bool TFrmEditMessage::Execute(QWidget* view, const QFont& font, const QRect& below, int bottomLimit, QString& text) {
  TFrmEditMessage dialog(view ? view->window() : nullptr);
  dialog.FEdit->setFont(font);
  dialog.SetMsgText(text);
  const QRect placed = PlacedRect(below, dialog.height(), bottomLimit);
  dialog.setGeometry(placed.x(), placed.y(), std::max(dialog.minimumWidth(), placed.width()), placed.height());
  if (dialog.exec() != QDialog::Accepted) return false;
  text = dialog.MsgText();
  return true;
}
