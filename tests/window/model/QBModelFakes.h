#pragma once
// The dialogs of the main window and of its message views, answered from a script the driver fills
// before each step: file names, the view filter, the find request, the edited text, the time, the
// confirmations. What the window reports (errors, notices, questions) is recorded for the checks; a
// dialog the step did not expect is recorded as an error, so nothing ever waits for a person.

#include "window/model/QBWindowModel.h"

#include "view/QBViewSearch.h"
#include "view/widgets/QBMsgViewDialogs.h"
#include "window/dialogs/QBShellDialogs.h"

#include <QStringList>

#include <optional>

namespace qbmodel {

struct TDialogScript {
  // Answers.
  int JumpRow = 0;
  TQBFindRequest Find;
  std::optional<QString> EditedText;  // none: the edit is cancelled
  TQBTimeStamp Time;
  QString ViewName;
  TFilter ViewFilter;
  bool ClearAll = false;
  uint8_t OrganizeFields = 0;
  QString OpenPath, SavePath;
  int YesNoCancel = 7;  // the log's questions: save before loading, save a filtered view
  // Records.
  QStringList Errors;
  QStringList Notices;
  QStringList Questions;
};

// The window's dialogs, each answering from script.
TQBShellDialogs ScriptedShellDialogs(TDialogScript& script);

// The message views' dialogs: jump, edit, find and the not-found notice.
class TScriptedViewDialogs final : public IQBMsgViewDialogs {
public:
  explicit TScriptedViewDialogs(TDialogScript& script) : S(script) {}
  bool AskJumpToRow(QWidget*, int& row) override {
    row = S.JumpRow;
    return true;
  }
  bool AskEditedText(QWidget*, const QFont&, const QRect&, int, QString& text) override {
    if (S.EditedText) text = *S.EditedText;
    return S.EditedText.has_value();
  }
  void ShowInfo(QWidget*, const QString& text) override { S.Notices << text; }
  bool AskFind(QWidget*, TQBFindRequest& request) override {
    request = S.Find;
    return true;
  }

private:
  TDialogScript& S;
};

}  // namespace qbmodel
