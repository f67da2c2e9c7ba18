#include "dialogs/QBMessageDialogs.h"

#include "dialogs/QBDialogLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Texts mark line breaks with a carriage return; a label breaks at line feeds.
QString Displayed(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void ShowMessage(TFrmDisplayMessage::TKind kind, const QString& text, QWidget* control) {
  TFrmDisplayMessage dialog(kind, text, control ? control->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, control);
  dialog.exec();
}

}  // namespace

TFrmDisplayMessage::TFrmDisplayMessage(TKind kind, const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmDisplayMessage"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* icon = new QLabel(frame);
  icon->setObjectName(QStringLiteral("imgIcon"));
  const auto pixmap = kind == TKind::Error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
  icon->setPixmap(style()->standardIcon(pixmap).pixmap(32, 32));
  icon->setFixedSize(32, 32);
  icon->setAccessibleName(kind == TKind::Error ? QStringLiteral("Error") : QStringLiteral("Information"));
  FText = new QLabel(Displayed(text), frame);
  FText->setObjectName(QStringLiteral("lblMessage"));
  FText->setTextFormat(Qt::PlainText);
  FText->setWordWrap(true);
  FText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FText->setMinimumSize(309, 69);
  FText->setMaximumWidth(309);
  FText->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* content = new QHBoxLayout(frame);
  content->addWidget(icon, 0, Qt::AlignTop);
  content->addWidget(FText, 1);

  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::ButtonRow({ok}));
  layout->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
}

QString TFrmDisplayMessage::Text() const {
  return FText->text();
}

void ShowErrorMessage(const QString& text, QWidget* control) {
  ShowMessage(TFrmDisplayMessage::TKind::Error, text, control);
}

void ShowInfoMessage(const QString& text, QWidget* control) {
  ShowMessage(TFrmDisplayMessage::TKind::Information, text, control);
}
