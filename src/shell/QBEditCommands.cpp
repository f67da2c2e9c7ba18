#include "shell/QBEditCommands.h"

#include "shell/QBSettings.h"

#include <quillbox/QBCustomViewIntf.h>

namespace {

// Holds a window state for the length of a scope, also when an exception leaves it.
class TWindowFlag {
public:
  TWindowFlag(IQBEditWindow& window, void (IQBEditWindow::*set)(bool)) : FWindow(window), FSet(set) {
    (FWindow.*FSet)(true);
  }
  ~TWindowFlag() { (FWindow.*FSet)(false); }

private:
  IQBEditWindow& FWindow;
  void (IQBEditWindow::*FSet)(bool);
};

}  // namespace

void TQBEditCommands::Annotate(TQBAnnotationKind kind) {
  TQBFilterCriteria criteria;
  IQBMessageViewList* list = FWindow.CurrentList();
  if (list) list->GetFilterCriteria(criteria);
  FAnnotations.Add(kind, list ? &criteria : nullptr);
}

void TQBEditCommands::AddNote() {
  IQBMessageView* view = FWindow.CurrentView();
  IQBMessageViewList* list = FWindow.CurrentList();
  if (!view || !list) return;
  Annotate(TQBAnnotationKind::Note);
  list->SetItemIndex(view->GetCount() - 1);
  EditRow(list->GetItemIndex());
}

void TQBEditCommands::AddCheckPoint() {
  Annotate(TQBAnnotationKind::CheckPoint);
  FWindow.UpdateCommands();
}

void TQBEditCommands::AddSeparator() {
  Annotate(TQBAnnotationKind::Separator);
  FWindow.UpdateCommands();
}

void TQBEditCommands::AddResetSeparator() {
  Annotate(TQBAnnotationKind::ResetSeparator);
  if (IQBMessageViewList* list = FWindow.CurrentList()) list->ResetDepth();
  FWindow.UpdateCommands();
}

void TQBEditCommands::EditRow(int row) {
  IQBMessageView* view = FWindow.CurrentView();
  IQBMessageViewList* list = FWindow.CurrentList();
  if (!view || !list || row < 0 || row >= view->GetCount()) return;
  TQuillboxMessageSet& set = FAdder.MessageSet();
  const int recNo = view->GetRowRecNo(row);
  const bool valid = recNo >= 1 && recNo <= set.GetRecordCount();
  const QString before = valid ? set.At(recNo).MsgText() : QString();
  list->EditMessage(row);
  if (valid && recNo <= set.GetRecordCount() && set.At(recNo).MsgText() != before) {
    FLog.Modified = true;
    FWindow.UpdateCommands();
  }
}

void TQBEditCommands::EditMessage() {
  if (IQBMessageViewList* list = FWindow.CurrentList()) EditRow(list->GetItemIndex());
}

void TQBEditCommands::Delete() {
  IQBMessageView* view = FWindow.CurrentView();
  if (!view) return;
  view->DeleteSelected();
  FLog.Modified = true;
  FWindow.UpdateCommands();
}

void TQBEditCommands::CropToSelection() {
  if (IQBMessageView* view = FWindow.CurrentView()) view->CropToSelection();
  FWindow.UpdateCommands();
}

void TQBEditCommands::SelectAll() {
  if (IQBMessageView* view = FWindow.CurrentView()) view->SelectAll();
  FWindow.UpdateCommands();
}

void TQBEditCommands::CopyMessageText() {
  if (IQBMessageView* view = FWindow.CurrentView()) view->CopyToClipboard();
}

void TQBEditCommands::Clear(bool all) {
  IQBMessageView* view = FWindow.CurrentView();
  if (all ? FAdder.MessageSet().GetRecordCount() == 0 : !view || view->GetCount() == 0) return;
  const int views = FWindow.ViewCount();
  if (FGeneral.ConfirmOnClear && !FWindow.ConfirmClearView(views, all)) return;
  {
    TWindowFlag busy(FWindow, &IQBEditWindow::SetBusy);
    TWindowFlag clearing(FWindow, &IQBEditWindow::SetClearing);
    if (views <= 1 || all) {
      FAdder.ResetNextID();
      FWindow.ClearAllMessages();
      FLog.Modified = false;
      FLog.CurrentFile.clear();
    } else {
      view->ClearView();
    }
    FWindow.ClearMessageDetails();
    FWindow.UpdateCommands();
  }
}

void TQBEditCommands::ClearBookmarks() {
  IQBMessageViewList* list = FWindow.CurrentList();
  if (!list) return;
  if (FGeneral.ConfirmOnClearBookmarks && !FWindow.ConfirmClearBookmarks()) return;
  list->ClearBookmarks();
  FWindow.UpdateCommands();
}
