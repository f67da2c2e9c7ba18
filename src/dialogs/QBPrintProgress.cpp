#include "dialogs/QBPrintProgress.h"

#include "dialogs/QBDialogLook.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>

namespace {
constexpr int EventIntervalMs = 50;
}

TQBPrintProgressDialog::TQBPrintProgressDialog(QWidget* over, const QString& title)
    : FDialog(std::make_unique<QProgressDialog>(over ? over->window() : nullptr)) {
  QProgressDialog& d = *FDialog;
  d.setObjectName(QStringLiteral("FrmPrintProgress"));
  d.setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  d.setLabelText(QStringLiteral("Printing %1...").arg(title));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), &d);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  cancel->setFixedWidth(qbdialogs::ButtonWidth);
  d.setCancelButton(cancel);
  qbdialogs::ApplyDialogLook(d);
  d.setWindowModality(Qt::ApplicationModal);
  d.setAutoReset(false);
  d.setAutoClose(false);
  d.setMinimumDuration(0);
  d.setAccessibleName(QStringLiteral("Printing"));
  qbdialogs::PlaceDialog(d, over);
}

TQBPrintProgressDialog::~TQBPrintProgressDialog() { FDialog->close(); }

void TQBPrintProgressDialog::Start(int total) {
  FDialog->setRange(0, std::max(total, 1));
  FDialog->setValue(0);
  FDialog->show();
  FSinceEvents.start();
  QApplication::processEvents();
}

bool TQBPrintProgressDialog::Step() {
  ++FDone;
  if (FSinceEvents.elapsed() >= EventIntervalMs) ProcessEvents();
  return !FDialog->wasCanceled();
}

void TQBPrintProgressDialog::ProcessEvents() {
  FDialog->setValue(std::min(FDone, FDialog->maximum()));
  // The dialog is modal: input reaches only its Cancel button, while every window repaints.
  QApplication::processEvents();
  FSinceEvents.restart();
}
