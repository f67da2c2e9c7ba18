#include "shell/QBEditCommands.h"

#include "settings/QBSettings.h"
#include "shell/QBFinally.h"
#include "shell/QBViewBinding.h"

void TQBEditCommands::Annotate(TQBAnnotationKind kind) {
  TQBFilterCriteria criteria;
  IQBMessageViewList* list = FViews.Current().List;
  if (list) list->GetFilterCriteria(criteria);
  FAnnotations.Add(kind, list ? &criteria : nullptr);
}

void TQBEditCommands::AddNote() {
  const TQBViewBinding& v = FViews.Current();
  if (!v.View || !v.List) return;
  Annotate(TQBAnnotationKind::Note);
  v.List->SetItemIndex(v.View->GetCount() - 1);
  EditRow(v.List->GetItemIndex());
}

void TQBEditCommands::AddResetSeparator() {
  Annotate(TQBAnnotationKind::ResetSeparator);
  if (IQBMessageViewList* list = FViews.Current().List) list->ResetDepth();
}

void TQBEditCommands::EditRow(int row) {
  const TQBViewBinding& v = FViews.Current();
  if (!v.View || !v.List || row < 0 || row >= v.View->GetCount()) return;
  const TQuillboxMessageSet& set = FAdder.MessageSet();
  const int recNo = v.View->GetRowRecNo(row);
  const auto textOf = [&set, recNo] {
    return recNo >= 1 && recNo <= set.GetRecordCount() ? set.At(recNo).MsgText() : QString();
  };
  const QString before = textOf();
  v.List->EditMessage(row);
  if (textOf() != before) FLog.Modified = true;
}

void TQBEditCommands::EditMessage() {
  if (IQBMessageViewList* list = FViews.Current().List) EditRow(list->GetItemIndex());
}

void TQBEditCommands::Clear(bool all) {
  IQBMessageView* view = FViews.Current().View;
  if (all ? FAdder.MessageSet().GetRecordCount() == 0 : !view || view->GetCount() == 0) return;
  const int views = FWindow.ViewCount();
  if (FGeneral.ConfirmOnClear && !FWindow.ConfirmClearView(views, all)) return;
  QString error;
  {
    // The cursor comes back also when an error leaves the scope.
    FFeedback.SetBusy(true);
    const TQBFinally notBusy(error, [this] { FFeedback.SetBusy(false); });
    if (views <= 1 || all) {
      FAdder.ResetNextID();
      FWindow.ClearAllMessages();
      FLog.Modified = false;
      FLog.ForgetFiles();
    } else {
      view->ClearView();
    }
    FWindow.ClearMessageDetails();
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
}

void TQBEditCommands::ClearBookmarks() {
  IQBMessageViewList* list = FViews.Current().List;
  if (!list) return;
  if (FGeneral.ConfirmOnClearBookmarks && !FWindow.ConfirmClearBookmarks()) return;
  list->ClearBookmarks();
}
