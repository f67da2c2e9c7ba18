#include "shell/QBPrintCommands.h"

#include "shell/QBFinally.h"

#include <quillbox/QBCustomViewIntf.h>

#include <exception>

void TQBPrintCommands::PrintMessages() {
  IQBMessageView* view = FViews.Current().View;
  IQBMessageViewPrint* print = FViews.Current().Print;
  if (!view || !print || FPrinting) return;
  QString title = view->GetViewName();
  TQBColumnSet columns = FSettings.Display.Columns;
  bool selection = FSettings.General.PrintSelection;
  int fontSize = FSettings.General.PrintFontSize;
  if (!FWindow.AskMessagePrint(title, view->SelectedCount() > 0, selection, columns, fontSize)) return;
  FSettings.General.PrintSelection = selection;
  FSettings.General.PrintFontSize = fontSize;
  if (const QString file = FWindow.PrintFile(); !file.isEmpty())
    if (const QString refusal = FLog.OutputRefusal(file, TQBOutputKind::Print); !refusal.isEmpty()) {
      FFeedback.ReportError(refusal);
      return;
    }
  QString failure;
  {
    FPrinting = true;
    FFeedback.SetBusy(true);
    const TQBFinally done(failure, [this] {
      FPrinting = false;
      FFeedback.SetBusy(false);
    });
    try {
      print->Print(title, selection, fontSize, columns);
    } catch (const std::exception& e) {
      failure = QString::fromUtf8(e.what());
    }
  }
  // Reported once the cursor is back, over a window that is no longer busy.
  if (!failure.isEmpty()) FFeedback.ReportError(failure);
}
