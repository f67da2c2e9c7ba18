#include "shell/QBViewCommands.h"

#include "view/QBViewFilterRules.h"

void TQBViewCommands::NewView() {
  TQBViewFilterRequest request;
  request.NewView = true;
  request.Caption = QStringLiteral("Create a New View");
  request.HelpTopic = QStringLiteral("Viewer_Commands_Organize_NewView");
  request.Store = &FSet;
  request.ClassNames = FViews.ClassNames();
  // The focused message proposes the values; without a focused row, the message the store is on.
  const TQBViewBinding& current = FViews.Current();
  if (current.View && current.List && current.View->GetCount() > 0) {
    current.List->GotoCurrentMessage();
    if (FSet.RecNo() >= 1 && FSet.RecNo() <= FSet.GetRecordCount()) {
      TQuillboxMessage message;
      FSet.GetMessage(FSet.RecNo(), message);
      request.Prefill = message;
    }
  }
  if (!FQuestions.RunViewFilter(request)) return;
  FViews.InsertView({request.Name, request.ClassName, request.Result, true, true});
}

void TQBViewCommands::NewViewForTimeRange(const TQBTimeRange& range) {
  TQBFilterCriteria criteria;
  const TQBViewBinding& current = FViews.Current();
  if (current.List) current.List->GetFilterCriteria(criteria);
  criteria.CheckTimeRange = true;
  criteria.TimeRange = range;
  qbviewfilter::TQBFilterForm form;
  qbviewfilter::LoadCriteria(criteria, form);
  FViews.InsertView({qbviewfilter::AutoName(form), QStringLiteral("Default"), criteria, true, true});
}

void TQBViewCommands::ModifyView() {
  const int index = FViews.CurrentIndex();
  // "All Messages" keeps its name and shows every message.
  if (index < 1) return;
  const TQBViewBinding& view = FViews.At(index);
  TQBViewFilterRequest request;
  request.NewView = false;
  request.Caption = QStringLiteral("Modify Current View");
  request.HelpTopic = QStringLiteral("Viewer_Commands_Organize_ModifyView");
  request.Store = &FSet;
  request.ClassNames = FViews.ClassNames();
  request.Name = view.View->GetViewName();
  if (view.List) {
    TQBFilterCriteria criteria;
    view.List->GetFilterCriteria(criteria);
    request.Criteria = criteria;
  }
  if (!FQuestions.RunViewFilter(request)) return;
  FViews.ModifyView(index, request.Name,
                    view.List ? std::optional<TQBFilterCriteria>(request.Result) : std::nullopt);
}

void TQBViewCommands::RemoveAllViews() {
  if (FViews.Count() > 1 && FQuestions.ConfirmRemoveAllViews()) FViews.RemoveAllViews();
}
