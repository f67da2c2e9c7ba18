#include "dialogs/QBMessageDialogs.h"

#include "dialogs/QBDialogLook.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

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

  const auto icon = kind == TKind::Error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
  QFrame* frame = qbdialogs::NewMessageFrame(this, icon, text, QSize(309, 69), &FText);

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
