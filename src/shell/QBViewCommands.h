#pragma once
// The view management commands without their widgets: New View, Modify View, Remove View, Remove All
// Views, Move Left and Move Right, Synchronize Message Mode. They act on the view manager; the window
// supplies the view filter dialog and the confirmation before Remove All through IQBViewQuestions.

#include "shell/QBViewManager.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QString>
#include <QStringList>

#include <optional>

// What the view filter dialog is opened with, and what it answers.
struct TQBViewFilterRequest {
  bool NewView = true;
  QString Caption;
  QString HelpTopic;
  // The store whose values the drop-down lists offer, and the registered view classes.
  const TQuillboxMessageSet* Store = nullptr;
  QStringList ClassNames;
  QString Name;
  // Modify View: the view's criteria; none when it has no list operations (the details are disabled).
  std::optional<TQBFilterCriteria> Criteria;
  // New View: the message whose values fill the value fields.
  std::optional<TQuillboxMessage> Prefill;

  // On OK: the view's name (Name), its class (new views) and criteria.
  QString ClassName;
  TQBFilterCriteria Result;
};

class IQBViewQuestions {
public:
  virtual ~IQBViewQuestions() = default;
  // The view filter dialog; true on OK with the request's answers filled in.
  virtual bool RunViewFilter(TQBViewFilterRequest& request) = 0;
  // "Remove All Views?"; true for Yes.
  virtual bool ConfirmRemoveAllViews() = 0;
};

class TQBViewCommands {
public:
  TQBViewCommands(TQBViewManager& views, TQuillboxMessageSet& set, IQBViewQuestions& questions)
      : FViews(views), FSet(set), FQuestions(questions) {}

  void NewView();
  // New View for This Time Range: a view with the current view's criteria and the range added (its
  // ends included), named by the auto-name rules, filled and made current without a dialog.
  void NewViewForTimeRange(const TQBTimeRange& range);
  void ModifyView();
  void RemoveView() { FViews.RemoveView(FViews.CurrentIndex()); }
  void RemoveAllViews();
  void MoveLeft() { FViews.MoveView(FViews.CurrentIndex(), -1); }
  void MoveRight() { FViews.MoveView(FViews.CurrentIndex(), 1); }
  void ToggleSyncMode() { FViews.SetSyncMode(!FViews.SyncMode()); }

private:
  TQBViewManager& FViews;
  TQuillboxMessageSet& FSet;
  IQBViewQuestions& FQuestions;
};
