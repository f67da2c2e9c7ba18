#include "dialogs/QBMessageDialogs.h"

#include "dialogs/QBDialogLook.h"

#include <QFrame>
#include <QHBoxLayout>
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

  QFrame* frame = qbdialogs::NewContentFrame(this);
  FText = qbdialogs::FillMessageArea(*frame,
                                     kind == TKind::Error ? qbdialogs::TMessageIcon::Error
                                                          : qbdialogs::TMessageIcon::Information,
                                     text, QSize(309, 69));

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
