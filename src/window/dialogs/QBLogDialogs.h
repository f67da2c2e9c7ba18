#pragma once
// The dialogs of the log file commands: the yes/no/cancel questions before loading and exiting, the
// open and save file dialogs and the log's own reports (an invalid log, a failed save). Tests and
// offscreen tools replace them.

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

class IQBLogDialogs {
public:
  virtual ~IQBLogDialogs() = default;
  // 6 Yes, 7 No, 2 Cancel (also when the box is closed).
  virtual int AskYesNoCancel(QWidget* over, const QString& text) = 0;
  // Empty when cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& dir) = 0;
  // Several existing files chosen together, in the order the dialog gives them; empty when cancelled.
  virtual QStringList OpenFileNames(QWidget* parent, const QString& title, const QString& dir) {
    (void)parent, (void)title, (void)dir;
    return {};
  }
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter,
                               const QString& suffix, QString* chosenFilter) = 0;
  // The log's own reports, naming the file with its path shortened to fit: a log with invalid
  // messages, and a message that could not be saved.
  virtual void ReportInvalidLog(QWidget* over, const QString& path) = 0;
  virtual void ReportSaveFailure(QWidget* over, int messageNumber, const QString& path) = 0;
};

std::unique_ptr<IQBLogDialogs> NewLogDialogs();
