#pragma once
// The log file commands without their widgets: Load, Refresh, Save, SaveTo, Export, the dropped
// files and the exit prompt. The main window supplies the prompts, dialogs and the current view
// through IQBLogWindow, the reports, cursor, status texts and command states through IQBAreaFeedback,
// so the order of the steps and the flag rules are tested without a window.

#include "model/QBLogLoader.h"
#include "model/QBLogMerge.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBCommandRules.h"
#include "shell/QBLogState.h"
#include "shell/QBVocabulary.h"

#include <QStringList>

#include <functional>
#include <vector>

class IQBMessageView;
class IQBMessageViewList;
class IQBMessageViewSave;
class IQBMessageViewExport;

class IQBLogWindow {
public:
  virtual ~IQBLogWindow() = default;
  // The yes/no/cancel questions before loading over a modified log and before exiting.
  virtual int AskSaveBeforeLoad() = 0;
  virtual int AskSaveBeforeExit() = 0;
  // Before the current view replaces the log file it came from while its filter hides messages of
  // the store: those would be lost from the file.
  virtual int AskSaveFilteredView() = 0;
  // The save dialog starting in dir; an empty answer means cancelled.
  virtual QString AskSaveFileName(const QString& dir) = 0;
  // The invalid-log report.
  virtual void ReportInvalidLog(const QString& path) = 0;
  // The save-failure report: message messageNumber could not be saved to path.
  virtual void ReportSaveFailure(int messageNumber, const QString& path) = 0;
  // Empties the store and every view, as Clear All does, without asking.
  virtual void ClearAllMessages() = 0;
  // While a file is read, every view holds its update bracket (also views created meanwhile, by the
  // organizer): the views in the background then do no repaint work per added message either.
  virtual void HoldViewUpdates(bool hold) = 0;
  // The current view's interfaces; null when there is no view or it lacks one.
  virtual IQBMessageViewList* CurrentList() = 0;
  virtual IQBMessageViewSave* CurrentSave() = 0;
  virtual IQBMessageViewExport* CurrentExport() = 0;
};

// An area that depends on which file is loaded (Follow Log File, Recent Files): asked how a load
// reads, and told of every load that ran and every save.
class IQBLogFileListener {
public:
  virtual ~IQBLogFileListener() = default;
  virtual TQBLoadMode LoadMode() const { return TQBLoadMode::Whole; }
  // After every load that read (or tried to read) path, its reports included.
  virtual void LoadEnded(const QString& path, const TQBLoadResult& result) = 0;
  // After the view was saved to path.
  virtual void FileSaved(const QString& path) { (void)path; }
  // After several files were merged into the emptied store (whatever became of it): no single file
  // is the log any more.
  virtual void LogsMerged() {}
};

class TQBLogCommands final : public IQBCommandInputSource {
public:
  TQBLogCommands(TQBLogState& state, TQBMessageAdder& adder, IQBLogWindow& window, IQBAreaFeedback& feedback)
      : FState(state), FAdder(adder), FWindow(window), FFeedback(feedback) {}

  // Reads a file into the store, after the store was emptied unless append is set. Returns false when
  // the user cancelled, when the file could not be opened or read to its end, when the load was
  // stopped, and when another load runs (a load asked for from inside one is refused: the window
  // makes such requests wait, see TQBLoadGate).
  bool Load(const QString& path, bool append, IQBLogLoadEvents* events = nullptr);
  // Reads several files into the emptied store, their messages interleaved by time (MergeLogFiles),
  // each message's log kept in the state's source table. No file becomes the current file and the log
  // counts as modified: the merged log is in no file. Returns false as Load does, and when some file stopped at an invalid record (each
  // is reported; the messages read before it stay).
  bool Merge(const QStringList& paths, IQBLogLoadEvents* events = nullptr);
  // Loads the current file again and puts the current row back where it was.
  void Refresh(IQBLogLoadEvents* events = nullptr);
  // True from a load's first question to its last report.
  bool Loading() const { return FRunning; }
  // Saves the current view to the current file, or to a file the user names. True when it was saved.
  // Saving over the current file from a view whose filter hides messages of the store asks first.
  bool Save();
  // Saves the current view to path; the file does not become the current file.
  bool SaveTo(const QString& path);
  // Exports the current view as XML or as text.
  void Export(const QString& path, bool xml);
  // Files dropped on the window: exactly one is loaded.
  bool Drop(const QStringList& paths, IQBLogLoadEvents* events = nullptr);
  // The log's part of a close request: false keeps the window open.
  bool CanClose();
  // The log part of the command-state record: modified flag and current file.
  void GatherInputs(TQBCommandInputs& in) const override;
  // Listeners hear of loads and saves in the order they were added; not owned.
  void AddListener(IQBLogFileListener* listener) { FListeners.push_back(listener); }

private:
  // Yes to a "save first?" question: true when the save happened.
  bool SaveFirst(int answer, bool& proceed);
  // Whether the current view's filter leaves out some message of the store.
  bool CurrentViewHidesMessages() const;
  // False, after the report, when a path names something that is not a regular file (with missingToo,
  // also when it names nothing).
  bool InputsReadable(const QStringList& paths, bool missingToo = false);
  // Asks to save a modified log first; false when the user cancelled.
  bool MayReplaceLog();
  // Empties the store and forgets its files, before a new log is read.
  void ClearLog();
  // Runs read in the window's loading state (busy, views held), with the mode the listeners ask for.
  void Reading(QString& cleanupError, const std::function<void(TQBLoadMode)>& read);
  TQBLoadResult ReadFile(const QString& path, IQBLogLoadEvents* events, TQBLoadMode mode);
  TQBMergeResult MergeFiles(const QStringList& paths, IQBLogLoadEvents* events);
  void EndLoad();

  TQBLogState& FState;
  TQBMessageAdder& FAdder;
  IQBLogWindow& FWindow;
  IQBAreaFeedback& FFeedback;
  std::vector<IQBLogFileListener*> FListeners;
  bool FRunning = false;
};
