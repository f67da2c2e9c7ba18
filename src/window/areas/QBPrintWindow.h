#pragma once
// The widget side of the print area: the print dialog over the views area for TQBPrintCommands (the
// busy cursor and the error report come from the window's IQBAreaFeedback), and the window's close requests while a job runs (the job's
// progress is modal, so only a terminate signal can ask): such a close waits for the job's end.

#include "shell/QBPrintCommands.h"

#include <functional>

class IQBPrintDialogs;
class QWidget;

class TQBPrintWindow final : private IQBPrintWindow {
public:
  struct TParts {
    QWidget& Window;     // the context a close after the job is posted to
    QWidget& ViewsArea;  // what the print dialog is centred over
    TQBSettings& Settings;
    const TQBLogState& Log;
    const IQBCurrentView& Views;
    IQBPrintDialogs& Dialogs;
    IQBAreaFeedback& Feedback;
  };
  explicit TQBPrintWindow(const TParts& parts)
      : P(parts), FCommands(parts.Settings, parts.Log, parts.Views, *this, parts.Feedback) {}

  // Print...
  void Print();
  // The print area's part of a close request: false while a job runs; close runs when it has ended.
  bool CanClose(std::function<void()> close);
  const TQBPrintCommands& Commands() const { return FCommands; }

private:
  bool AskMessagePrint(QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                       int& fontSize) override;
  QString PrintFile() override;

  TParts P;
  TQBPrintCommands FCommands;
  std::function<void()> FCloseAfterJob;
};
