#pragma once
// The main window's Print command without its widgets: what the print dialog is given, what it hands
// back and what is kept of it, the hourglass and the error report. The window supplies the dialog
// through IQBPrintWindow, the cursor and the report through IQBAreaFeedback; the current view comes
// from the view manager.

#include "settings/QBSettings.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBLogState.h"
#include "shell/QBViewBinding.h"
#include "view/QBColumns.h"

#include <QString>

class IQBPrintWindow {
public:
  virtual ~IQBPrintWindow() = default;
  // The print dialog's full form; the values go in and, when confirmed, come back.
  virtual bool AskMessagePrint(QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                               int& fontSize) = 0;
  // The file the printer writes (a PDF printer), as the dialog left it; empty when it prints on paper.
  virtual QString PrintFile() = 0;
};

class TQBPrintCommands {
public:
  // log tells which files the messages were read from: a PDF never replaces one of them.
  TQBPrintCommands(TQBSettings& settings, const TQBLogState& log, const IQBCurrentView& views,
                   IQBPrintWindow& window, IQBAreaFeedback& feedback)
      : FSettings(settings), FLog(log), FViews(views), FWindow(window), FFeedback(feedback) {}

  // Print...: the dialog, then the current view prints; a PDF file that is a log the messages were
  // read from is refused with a report. The window's own columns stay as they are;
  // PrintSelection and PrintFontSize keep the dialog's values. A job ends as not running with the
  // cursor back however the view's print ends; an error other than a std::exception goes on after that.
  void PrintMessages();
  // A job is running (the window refuses to close meanwhile).
  bool Printing() const { return FPrinting; }

private:
  TQBSettings& FSettings;
  const TQBLogState& FLog;
  const IQBCurrentView& FViews;
  IQBPrintWindow& FWindow;
  IQBAreaFeedback& FFeedback;
  bool FPrinting = false;
};
