#include "dialogs/QBPrintProgress.h"

#include "dialogs/QBDialogLook.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
constexpr int EventIntervalMs = 50;
}

TQBPrintProgressDialog::TQBPrintProgressDialog(QWidget* over, const QString& title)
    : FDialog(qbdialogs::NewProgressDialog(over, QStringLiteral("FrmPrintProgress"),
                                           QStringLiteral("Printing %1...").arg(title), QStringLiteral("Printing"))) {}

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
