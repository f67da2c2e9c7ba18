#pragma once
// The main window's Print command without its widgets: what the print dialog is given, what it hands
// back and what is kept of it, the hourglass and the error report. The window supplies the current
// view, the dialog, the cursor and the report through IQBPrintWindow.

#include "shell/QBSettings.h"
#include "view/QBColumns.h"

#include <QString>

class IQBMessageView;
class IQBMessageViewPrint;

class IQBPrintWindow {
public:
  virtual ~IQBPrintWindow() = default;
  // The current view's interfaces; null when there is none or it cannot print.
  virtual IQBMessageView* CurrentView() = 0;
  virtual IQBMessageViewPrint* CurrentPrint() = 0;
  // The print dialog's full form; the values go in and, when confirmed, come back.
  virtual bool AskMessagePrint(QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                               int& fontSize) = 0;
  virtual void SetBusy(bool busy) = 0;
  // The application's general error report.
  virtual void ReportError(const QString& text) = 0;
};

class TQBPrintCommands {
public:
  TQBPrintCommands(TQBSettings& settings, IQBPrintWindow& window) : FSettings(settings), FWindow(window) {}

  // Print...: the dialog, then the current view prints. The window's own columns stay as they are;
  // PrintSelection and PrintFontSize keep the dialog's values.
  void PrintMessages();
  // A job is running (the window refuses to close meanwhile).
  bool Printing() const { return FPrinting; }

private:
  TQBSettings& FSettings;
  IQBPrintWindow& FWindow;
  bool FPrinting = false;
};
