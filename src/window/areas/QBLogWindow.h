#pragma once
// The widget side of the log file area. TQBLogCommands holds the steps and flag rules; this class
// supplies what the user sees (the prompts, file dialogs and reports of IQBLogDialogs; the general
// reports, busy cursor and status texts come from the window's IQBAreaFeedback) and the progress with
// its Stop button around every load; TQBLoadScheduler (shell) runs the loads one at a time and takes
// the window's close requests, dropped files and command line.

#include "shell/QBLoadScheduler.h"
#include "shell/QBLogCommands.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class IQBLogDialogs;
class QWidget;
class TQBLoadProgress;
class TQBStatusPanes;
class TQBViewManager;

class TQBLogWindow final : public QObject, private IQBLogWindow {
public:
  struct TParts {
    QWidget& Window;  // dialog parent and the context posted work runs in
    TQBLogState& State;
    TQBMessageAdder& Adder;
    TQBViewManager& Views;
    IQBAreaFeedback& Feedback;  // reports, busy cursor, status texts and command states
    TQBStatusPanes& Panes;
    IQBLogDialogs& Dialogs;
    std::function<void()> LoadEnded;  // the views' selection notices were held back: inspect now
  };
  explicit TQBLogWindow(const TParts& parts);
  ~TQBLogWindow() override;

  TQBLogCommands& Commands() { return FCommands; }
  // Every load runs through it: LoadFile, Refresh, Drop, the command line and the close requests.
  TQBLoadScheduler& Loads() { return FLoads; }
  TQBLoadProgress& Progress() { return *FProgress; }

  void Open();
  void Append();
  // File > Merge Logs...: the files chosen together are merged by time into the emptied store.
  void MergeLogs();
  void Save() { FCommands.Save(); }
  void Export();
  // The invalid-log report, also for records read after the load (Follow Log File).
  void ReportInvalid(const QString& path) { ReportInvalidLog(path); }

private:
  QString AskOpenFileName(const QString& title);
  void Post(std::function<void()> work);

  // IQBLogWindow
  int AskSaveBeforeLoad() override;
  int AskSaveBeforeExit() override;
  int AskSaveFilteredView() override;
  QString AskSaveFileName(const QString& dir) override;
  void ReportInvalidLog(const QString& path) override;
  void ReportSaveFailure(int messageNumber, const QString& path) override;
  void ClearAllMessages() override;
  void HoldViewUpdates(bool hold) override;
  IQBMessageViewList* CurrentList() override;
  IQBMessageViewSave* CurrentSave() override;
  IQBMessageViewExport* CurrentExport() override;

  TParts P;
  TQBLogCommands FCommands;
  std::unique_ptr<TQBLoadProgress> FProgress;
  TQBLoadScheduler FLoads;
};
