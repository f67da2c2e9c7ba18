#include "window/areas/QBPrintWindow.h"

#include "view/widgets/QBSharedPrinter.h"
#include "window/dialogs/QBPrintDialogs.h"

#include <QMetaObject>
#include <QWidget>

void TQBPrintWindow::Print() {
  FCommands.PrintMessages();
  if (!FCloseAfterJob) return;
  // Posted: the window closes once the command that printed has returned.
  QMetaObject::invokeMethod(&P.Window, std::exchange(FCloseAfterJob, {}), Qt::QueuedConnection);
}

bool TQBPrintWindow::CanClose(std::function<void()> close) {
  if (!FCommands.Printing()) return true;
  FCloseAfterJob = std::move(close);
  return false;
}

bool TQBPrintWindow::AskMessagePrint(QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                                     int& fontSize) {
  return P.Dialogs.AskMessagePrint(&P.ViewsArea, title, hasSelection, printSelection, columns, fontSize);
}

QString TQBPrintWindow::PrintFile() { return QBSharedPdfFile(); }
