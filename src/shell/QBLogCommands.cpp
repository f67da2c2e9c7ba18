#include "shell/QBLogCommands.h"

#include "shell/QBScopeGuards.h"
#include "view/QBFilterMatcher.h"
#include "view/QBSaveFailure.h"

#include <quillbox/QBCustomViewIntf.h>

#include "model/QBFileCheck.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QString FileNameOf(const QString& path) { return QFileInfo(path).fileName(); }
QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

QString OpenFailedText(const QString& path, const QString& reason) {
  return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

}  // namespace

bool TQBLogCommands::SaveFirst(int answer, bool& proceed) {
  proceed = answer != qbCancel;
  if (answer != qbYes) return false;
  if (!FWindow.CurrentSave()) {
    FFeedback.ReportError(QStringLiteral("The current view cannot save its messages to a log file."));
    proceed = false;
    return true;
  }
  // A Yes whose save did not happen (dialog cancelled, write failed) must not lose the messages.
  proceed = Save();
  return true;
}

bool TQBLogCommands::InputsReadable(const QStringList& paths, bool missingToo) {
  // A pipe, device or folder is refused before anything is asked or cleared: reading it could block
  // for ever, and nothing about the log the user has should change for it.
  for (const QString& path : paths)
    if (const QString problem = InputFileProblem(path); !problem.isEmpty() && (missingToo || QFileInfo::exists(path))) {
      FFeedback.ReportError(OpenFailedText(path, problem));
      return false;
    }
  return true;
}

bool TQBLogCommands::MayReplaceLog() {
  if (!FState.Modified) return true;
  bool proceed = true;
  SaveFirst(FWindow.AskSaveBeforeLoad(), proceed);
  return proceed;
}

void TQBLogCommands::ClearLog() {
  FWindow.ClearAllMessages();
  FAdder.ResetNextID();
  FState.ForgetFiles();
  FState.Modified = false;
}

bool TQBLogCommands::Load(const QString& path, bool append, IQBLogLoadEvents* events) {
  if (FRunning) return false;
  // Running for the life of the call, however it ends; clearing the flag raises no error.
  FRunning = true;
  QString noError;
  const TQBFinally notRunning(noError, [this] { FRunning = false; });
  if (!InputsReadable({path})) return false;
  if (!append && !MayReplaceLog()) return false;
  FFeedback.ShowStatusText(QStringLiteral("Loading %1...").arg(FileNameOf(path)));
  if (!append) ClearLog();
  QString cleanupError;
  TQBLoadResult result;
  Reading(cleanupError, [&](TQBLoadMode mode) { result = ReadFile(path, events, mode); });
  // Reported once the window is out of its loading state, so the dialog stands over the messages
  // read so far with a normal cursor.
  if (!cleanupError.isEmpty()) FFeedback.ReportError(cleanupError);
  switch (result.Status) {
    case TQBLoadResult::TStatus::OpenFailed: FFeedback.ReportError(OpenFailedText(path, result.Error)); break;
    case TQBLoadResult::TStatus::InvalidRecord: FWindow.ReportInvalidLog(path); break;
    case TQBLoadResult::TStatus::Stopped:
      FFeedback.ShowStatusText(QStringLiteral("Loading %1 was stopped.").arg(FileNameOf(path)));
      break;
    case TQBLoadResult::TStatus::Loaded: break;
  }
  for (IQBLogFileListener* listener : FListeners) listener->LoadEnded(path, result);
  return result.Ok();
}

bool TQBLogCommands::Merge(const QStringList& paths, IQBLogLoadEvents* events) {
  if (FRunning || paths.isEmpty()) return false;
  FRunning = true;
  QString noError;
  const TQBFinally notRunning(noError, [this] { FRunning = false; });
  // A merge needs every file: one that is missing is refused before the log the user has is cleared.
  if (!InputsReadable(paths, true) || !MayReplaceLog()) return false;
  FFeedback.ShowStatusText(QStringLiteral("Merging %1 log files...").arg(paths.size()));
  ClearLog();
  QString cleanupError;
  TQBMergeResult result;
  Reading(cleanupError, [&](TQBLoadMode) { result = MergeFiles(paths, events); });
  if (!cleanupError.isEmpty()) FFeedback.ReportError(cleanupError);
  switch (result.Status) {
    case TQBMergeResult::TStatus::OpenFailed:
      FFeedback.ReportError(OpenFailedText(paths[result.FailedLog], result.Error));
      break;
    case TQBMergeResult::TStatus::TooManyLogs:
      FFeedback.ReportError(QStringLiteral("At most %1 log files can be merged.").arg(TQBSourceLogs::MaxLogs));
      break;
    case TQBMergeResult::TStatus::Stopped:
      FFeedback.ShowStatusText(QStringLiteral("Merging the log files was stopped."));
      break;
    case TQBMergeResult::TStatus::Merged: break;
  }
  for (const TQBMergeResult::TInvalid& invalid : result.Invalid) FWindow.ReportInvalidLog(paths[invalid.Log]);
  for (IQBLogFileListener* listener : FListeners) listener->LogsMerged();
  return result.Ok();
}

void TQBLogCommands::Reading(QString& cleanupError, const std::function<void(TQBLoadMode)>& read) {
  FFeedback.SetBusy(true);
  FState.Loading = true;
  // Closed in reverse order: the view's bracket first, then the window leaves its loading state.
  TQBFinally endLoad(cleanupError, [this] { EndLoad(); });
  TQBViewUpdateBracket bracket(FWindow.CurrentList(), cleanupError);
  struct THoldViews {
    IQBLogWindow& Window;
    explicit THoldViews(IQBLogWindow& window) : Window(window) { Window.HoldViewUpdates(true); }
    ~THoldViews() { Window.HoldViewUpdates(false); }
  } holdViews(FWindow);
  // A listener following the file leaves a record that is still being written for later.
  TQBLoadMode mode = TQBLoadMode::Whole;
  for (const IQBLogFileListener* listener : FListeners)
    if (listener->LoadMode() == TQBLoadMode::CompleteRecords) mode = TQBLoadMode::CompleteRecords;
  read(mode);
}

TQBLoadResult TQBLogCommands::ReadFile(const QString& path, IQBLogLoadEvents* events, TQBLoadMode mode) {
  // LoadLogFile checks again on the open descriptor, so a path swapped for a pipe meanwhile is refused.
  const TQBLoadResult result = LoadLogFile(path, FAdder, events, mode);
  const QString fullPath = QFileInfo(path).absoluteFilePath();
  // A load that stopped early is an input too: the rest of the file is in no store, so it must not be
  // saved over.
  if (result.Status != TQBLoadResult::TStatus::OpenFailed) FState.Inputs.append({fullPath, result.Ok()});
  if (result.Ok()) {
    FState.CurrentFile = fullPath;
    FState.Modified = false;
  }
  return result;
}

TQBMergeResult TQBLogCommands::MergeFiles(const QStringList& paths, IQBLogLoadEvents* events) {
  const TQBMergeResult result = MergeLogFiles(paths, FAdder, &FState.Sources, events);
  if (result.Status == TQBMergeResult::TStatus::OpenFailed || result.Status == TQBMergeResult::TStatus::TooManyLogs)
    return result;
  // Every merged file is an input: none may be replaced by an output made from the merged messages,
  // and no single file is current, so Save asks for a name.
  for (int log = 0; log < paths.size(); ++log) {
    const bool whole = result.Status == TQBMergeResult::TStatus::Merged &&
                       std::none_of(result.Invalid.begin(), result.Invalid.end(),
                                    [log](const TQBMergeResult::TInvalid& i) { return i.Log == log; });
    FState.Inputs.append({QFileInfo(paths[log]).absoluteFilePath(), whole, true});
  }
  // The merged log is in no file: it stays modified, so Save is offered and closing asks first.
  return result;
}

void TQBLogCommands::EndLoad() {
  FState.Loading = false;
  FFeedback.SetBusy(false);
  FFeedback.ShowStatusText(QString());
  FFeedback.UpdateCommands();
}

void TQBLogCommands::Refresh(IQBLogLoadEvents* events) {
  if (FRunning) return;
  IQBMessageViewList* list = FWindow.CurrentList();
  const int row = list ? list->GetItemIndex() : -1;
  // A copy: Load empties the current file before it reads the file again.
  const QString path = FState.CurrentFile;
  Load(path, false, events);
  list = FWindow.CurrentList();
  if (row != -1 && list) list->SetItemIndex(row);
}

bool TQBLogCommands::CurrentViewHidesMessages() const {
  const IQBMessageViewList* list = FWindow.CurrentList();
  if (!list) return false;
  TQBFilterCriteria criteria;
  list->GetFilterCriteria(criteria);
  if (criteria == TQBFilterCriteria{}) return false;
  TQBFilterMatcher matcher(criteria);
  const TQuillboxMessageSet& set = FAdder.MessageSet();
  for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo)
    if (!matcher.Matches(set, set.At(recNo))) return true;
  return false;
}

bool TQBLogCommands::Save() {
  if (!FWindow.CurrentSave()) return false;
  if (!FState.CurrentFile.isEmpty()) {
    // The file the log came from would keep only what this view shows.
    if (CurrentViewHidesMessages() && FWindow.AskSaveFilteredView() != qbYes) return false;
    return SaveTo(FState.CurrentFile);
  }
  const QString path = FWindow.AskSaveFileName(FState.LastLogDir);
  return !path.isEmpty() && SaveTo(path);
}

bool TQBLogCommands::SaveTo(const QString& path) {
  IQBMessageViewSave* save = FWindow.CurrentSave();
  if (!save) return false;
  if (const QString refusal = FState.OutputRefusal(path, TQBOutputKind::Save); !refusal.isEmpty()) {
    FFeedback.ReportError(refusal);
    return false;
  }
  FState.LastLogDir = FolderOf(path);
  FFeedback.ShowStatusText(QStringLiteral("Saving %1...").arg(FileNameOf(path)));
  FFeedback.SetBusy(true);
  QString error;
  int failedMessage = -1;
  {
    // Whatever the view throws, the cursor and the status pane come back.
    TQBFinally restore(error, [this] {
      FFeedback.SetBusy(false);
      FFeedback.ShowStatusText(QString());
      FFeedback.UpdateCommands();
    });
    try {
      save->SaveToFile(path);
      FState.Modified = false;
    } catch (const TQBSaveFailure& e) {
      error = QString::fromUtf8(e.what());
      failedMessage = e.RecNo();
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
      if (error.isEmpty()) error = QStringLiteral("The log file could not be saved.");
    }
  }
  // A message that could not be written has a report of its own; other failures the general one.
  if (failedMessage >= 0) {
    FWindow.ReportSaveFailure(failedMessage, path);
    return false;
  }
  if (!error.isEmpty()) {
    FFeedback.ReportError(error);
    return false;
  }
  for (IQBLogFileListener* listener : FListeners) listener->FileSaved(path);
  return true;
}

void TQBLogCommands::Export(const QString& path, bool xml) {
  IQBMessageViewExport* exporter = FWindow.CurrentExport();
  if (!exporter) return;
  // An export written over the log would lose the log itself; saving is the way to replace it.
  if (const QString refusal = FState.OutputRefusal(path, TQBOutputKind::Export); !refusal.isEmpty()) {
    FFeedback.ReportError(refusal);
    return;
  }
  FState.LastLogDir = FolderOf(path);
  FFeedback.ShowStatusText(QStringLiteral("Exporting to %1...").arg(FileNameOf(path)));
  FFeedback.SetBusy(true);
  QString error;
  {
    TQBFinally restore(error, [this] {
      FFeedback.SetBusy(false);
      FFeedback.ShowStatusText(QString());
    });
    try {
      xml ? exporter->ExportXML(path) : exporter->ExportText(path);
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
      if (error.isEmpty()) error = QStringLiteral("The messages could not be exported.");
    }
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
}

bool TQBLogCommands::Drop(const QStringList& paths, IQBLogLoadEvents* events) {
  return paths.size() == 1 && Load(paths.front(), false, events);
}

bool TQBLogCommands::CanClose() {
  if (FRunning) return false;
  if (!FState.Modified) return true;
  bool proceed = true;
  SaveFirst(FWindow.AskSaveBeforeExit(), proceed);
  return proceed;
}

void TQBLogCommands::GatherInputs(TQBCommandInputs& in) const {
  in.LogModified = FState.Modified;
  in.HasCurrentFile = !FState.CurrentFile.isEmpty();
}
