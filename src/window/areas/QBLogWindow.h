#pragma once
// The widget side of the log file area. TQBLogCommands holds the steps and flag rules; this class
// supplies what the user sees (the prompts, file dialogs and reports of IQBLogDialogs, the busy
// cursor, the status texts), runs every load with its progress and Stop button, one at a time
// (TQBLoadGate: a drop or the command-line load posted while one runs waits for it), and takes the
// window's close requests and dropped files.

#include "shell/QBLoadGate.h"
#include "shell/QBLogCommands.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class IQBErrorReport;
class IQBLogDialogs;
class IQBViewerHost;
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
    IQBViewerHost& Host;  // status texts and command states
    TQBStatusPanes& Panes;
    IQBLogDialogs& Dialogs;
    IQBErrorReport& Errors;
    std::function<void()> LoadEnded;  // the views' selection notices were held back: inspect now
  };
  explicit TQBLogWindow(const TParts& parts);
  ~TQBLogWindow() override;

  TQBLogCommands& Commands() { return FCommands; }
  const TQBLoadGate& Gate() const { return FGate; }
  TQBLoadProgress& Progress() { return *FProgress; }

  // Load(path, append) as Open and Append run it after their dialogs. While another load runs it
  // waits for it and false is returned.
  bool LoadFile(const QString& path, bool append);
  void Open();
  void Append();
  void Save() { FCommands.Save(); }
  void Export();
  void Refresh();
  // Files dropped on the window: loaded from the event loop, after a load that runs.
  void Drop(const QStringList& files);
  // The command line: exactly one argument naming a file loads it once the window is shown; one
  // naming no file is reported. done runs after either.
  void PostCommandLine(const QStringList& args, std::function<void()> done);
  // The log's part of a close request: false keeps the window open. While a load runs, the close
  // waits for it, and close runs once it has ended.
  bool CanClose(std::function<void()> close);
  // The invalid-log report, also for records read after the load (Follow Log File).
  void ReportInvalid(const QString& path) { ReportInvalidLog(path); }

private:
  // Runs work now, or after the load that runs.
  void WhenIdle(std::function<void()> work);
  bool RunLoad(const std::function<bool(IQBLogLoadEvents*)>& load);
  QString AskOpenFileName(const QString& title);
  void Post(std::function<void()> work);

  // IQBLogWindow
  int AskSaveBeforeLoad() override;
  int AskSaveBeforeExit() override;
  int AskSaveFilteredView() override;
  QString AskSaveFileName(const QString& dir) override;
  void ReportInvalidLog(const QString& path) override;
  void ReportSaveFailure(int messageNumber, const QString& path) override;
  void ReportError(const QString& text) override;
  void ShowStatusText(const QString& text) override;
  void SetBusy(bool busy) override;
  void ClearAllMessages() override;
  void HoldViewUpdates(bool hold) override;
  IQBMessageViewList* CurrentList() override;
  IQBMessageViewSave* CurrentSave() override;
  IQBMessageViewExport* CurrentExport() override;
  void UpdateCommands() override;

  TParts P;
  TQBLogCommands FCommands;
  TQBLoadGate FGate;
  std::unique_ptr<TQBLoadProgress> FProgress;
};

// The busy cursor of a long operation.
void QBSetBusyCursor(bool busy);
