#include "dialogs/QBColumnsForm.h"

#include "dialogs/QBColumnControls.h"
#include "dialogs/QBDialogLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFrmColumns::TFrmColumns(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmColumns"));
  setWindowTitle(QStringLiteral("Select Message Columns"));
  qbdialogs::ApplyDialogLook(*this);
  QFrame* frame = qbdialogs::NewContentFrame(this);
  FColumns = new TQBColumnControls(TQBColumnControls::TButtons::Below, frame);
  (new QVBoxLayout(frame))->addWidget(FColumns);

  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFrmColumns::Execute(QWidget* control, TQBColumnSet columns, TQBColumnChoice& choice) {
  TFrmColumns dialog(control ? control->window() : nullptr);
  dialog.FColumns->Load(columns);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice = dialog.FColumns->Choice();
  return true;
}
