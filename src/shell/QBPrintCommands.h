#pragma once
// The main window's Print command without its widgets: what the print dialog is given, what it hands
// back and what is kept of it, the hourglass and the error report. The window supplies the dialog
// through IQBPrintWindow, the cursor and the report through IQBAreaFeedback; the current view comes
// from the view manager.

#include "settings/QBSettings.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBViewBinding.h"
#include "view/QBColumns.h"

#include <QString>

class IQBPrintWindow {
public:
  virtual ~IQBPrintWindow() = default;
  // The print dialog's full form; the values go in and, when confirmed, come back.
  virtual bool AskMessagePrint(QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                               int& fontSize) = 0;
};

class TQBPrintCommands {
public:
  TQBPrintCommands(TQBSettings& settings, const IQBCurrentView& views, IQBPrintWindow& window,
                   IQBAreaFeedback& feedback)
      : FSettings(settings), FViews(views), FWindow(window), FFeedback(feedback) {}

  // Print...: the dialog, then the current view prints. The window's own columns stay as they are;
  // PrintSelection and PrintFontSize keep the dialog's values. A job ends as not running with the
  // cursor back however the view's print ends; an error other than a std::exception goes on after that.
  void PrintMessages();
  // A job is running (the window refuses to close meanwhile).
  bool Printing() const { return FPrinting; }

private:
  TQBSettings& FSettings;
  const IQBCurrentView& FViews;
  IQBPrintWindow& FWindow;
  IQBAreaFeedback& FFeedback;
  bool FPrinting = false;
};
