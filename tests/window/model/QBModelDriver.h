#pragma once
// Runs steps on the real main window and on the reference model side by side. The window is the
// program's TFrmViewer with its real areas and the program's message view, offscreen, its dialogs and
// its views' dialogs answered by script (QBModelFakes.h); it starts with a generated log loaded and
// Follow Log File on. Keys and clicks go to the view as a user's would; the other commands run
// through their actions, and only when the window has them enabled (the checks have compared those
// states with the rules before the step).

#include "window/model/QBModelFakes.h"
#include "window/model/QBModelSteps.h"
#include "window/model/QBWindowModel.h"

#include "support/QBTestFiles.h"

#include "shell/QBCommandIds.h"

#include <memory>

class TFrmViewer;
class TQBIniFile;
class TQBMessageView;
class TQBPlugInManagerScope;

namespace qbmodel {

class TModelDriver {
public:
  explicit TModelDriver(uint32_t seed);
  ~TModelDriver();
  TModelDriver(const TModelDriver&) = delete;
  TModelDriver& operator=(const TModelDriver&) = delete;

  // Runs the step on both; the text of a failed check that belongs to the step itself (what Copy put
  // on the clipboard, the search's notice), empty when they hold.
  QString Apply(const TStep& step);

  const TWindowModel& Model() const { return FModel; }
  TFrmViewer& Window() const { return *FWindow; }
  const TDialogScript& Script() const { return FScript; }
  // The current view's focus, anchor and selection count in the window and in the model, for a trace.
  QString Describe() const;
  // Whether the last step moved the focused row, which must then be in sight.
  bool FocusMoved() const { return FFocusMoved; }

private:
  QString Keys(const TStep& step);
  QString Clicks(const TStep& step);
  QString Searches(const TStep& step);
  QString Moves(const TStep& step);
  QString Methods(const TStep& step);
  QString ViewCommands(const TStep& step);
  QString Projects(const TStep& step);
  QString Edits(const TStep& step);
  QString Annotations(const TStep& step);
  QString Files(const TStep& step);
  QString Follow(const TStep& step);
  QString SaveAndReload();

  void ReleaseModifiers();
  // Triggers the command when the window has it enabled; false when it is not.
  bool Trigger(TQBCmd cmd);
  QString Search(bool fresh);
  TQBMessageView* View() const;
  int Rows() const;
  // The message the store added last, as the model records it.
  TMessage LastStoredMessage() const;
  std::vector<TMessage> NewMessages(int arg, int count) const;

  qbtest::TTempFiles FFiles;
  QByteArray FSavedConfigDirs;
  TDialogScript FScript;
  TScriptedViewDialogs FViewDialogs{FScript};
  IQBMsgViewDialogs* FProgramViewDialogs = nullptr;
  std::unique_ptr<TQBPlugInManagerScope> FPlugIns;
  std::unique_ptr<TQBIniFile> FIni;
  std::unique_ptr<TFrmViewer> FWindow;
  TWindowModel FModel;
  QString FMorePath;
  bool FFocusMoved = false;
};

}  // namespace qbmodel
