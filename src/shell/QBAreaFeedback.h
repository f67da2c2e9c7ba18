#pragma once
// What an area tells the user while its commands work, whatever its own dialogs: the application's
// general error report, the busy cursor of a long step, a text in the status message pane and the
// renewal of the command states. The area interfaces share it instead of each declaring its own; the
// main window implements it once (TQBWindowFeedback) and hands it to every area; tests replace it.

#include <QString>

class IQBAreaFeedback {
public:
  virtual ~IQBAreaFeedback() = default;
  // The application's general error report.
  virtual void ReportError(const QString& text) = 0;
  // The busy cursor of a long step, on and off.
  virtual void SetBusy(bool busy) = 0;
  // Puts a text in the status message pane and lets the window repaint.
  virtual void ShowStatusText(const QString& text) = 0;
  virtual void UpdateCommands() = 0;
};
