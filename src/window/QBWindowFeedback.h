#pragma once
// The one implementation of IQBAreaFeedback: the general error report over the main window, the busy
// cursor, the status message pane (painted at once) and the window's UpdateCommands. Every area of the
// window reports through it.

#include "shell/QBAreaFeedback.h"

#include <functional>

class IQBErrorReport;
class QWidget;
class TQBStatusPanes;

class TQBWindowFeedback final : public IQBAreaFeedback {
public:
  struct TParts {
    QWidget& Window;  // the reports stand over it
    IQBErrorReport& Errors;
    TQBStatusPanes& Panes;
    std::function<void()> UpdateCommands;
  };
  explicit TQBWindowFeedback(TParts parts) : P(std::move(parts)) {}

  void ReportError(const QString& text) override;
  void SetBusy(bool busy) override;
  void ShowStatusText(const QString& text) override;
  void UpdateCommands() override { P.UpdateCommands(); }

private:
  TParts P;
};
