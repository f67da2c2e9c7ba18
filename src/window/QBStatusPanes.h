#pragma once
// The seven status panes of the main window, left to right: time difference, message number, message
// count, selection count, project, progress and status message. Each is a named, accessible widget
// whose accessible name carries its text, so screen readers and automation clients can read it. The
// four panes of numbers keep room for their longest plausible texts (counts up to ten million) in the
// status bar's font; the status message and the project's name take the rest and are cut first.

#include <QObject>
#include <QStringList>

class QLabel;
class QProgressBar;
class QStatusBar;
class QToolButton;

class TQBStatusPanes : public QObject {
  Q_OBJECT
public:
  // Adds the panes to the status bar.
  explicit TQBStatusPanes(QStatusBar* bar);

  void SetTimeDiff(const QString& text, bool enabled);
  void SetMessageNumber(const QString& text);
  void SetMessageCount(const QString& text);
  void SetSelectionCount(const QString& text);
  void SetProject(const QString& text);
  void SetStatusText(const QString& text);

  // Progress pane: total parts and position; a total of 0 hides the bar.
  void SetProgressTotal(int total);
  void SetProgress(int position);
  void StepProgress();
  // The Stop button beside the progress bar, shown while a log loads.
  void SetStopVisible(bool visible);

  QLabel* TimeDiff() const { return FTimeDiff; }
  QLabel* MessageNumber() const { return FMsgNumber; }
  QLabel* MessageCount() const { return FMsgCount; }
  QLabel* SelectionCount() const { return FSelCount; }
  QLabel* Project() const { return FProject; }
  QProgressBar* Progress() const { return FProgress; }
  QToolButton* StopButton() const { return FStop; }
  QLabel* StatusMessage() const { return FMessage; }

signals:
  // A click on the message number pane (Jump to Message).
  void MessageNumberClicked();
  // A click on the Stop button.
  void StopClicked();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // A pane at least minWidth wide, and wide enough for each of the longest texts it is to show.
  QLabel* AddLabel(QStatusBar* bar, const char* name, const QString& accessible, int minWidth, int stretch,
                   const QStringList& longest = {});

  QLabel* FTimeDiff;
  QLabel* FMsgNumber;
  QLabel* FMsgCount;
  QLabel* FSelCount;
  QLabel* FProject;
  QProgressBar* FProgress;
  QToolButton* FStop;
  QLabel* FMessage;
};
