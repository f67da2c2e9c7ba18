#include "window/areas/QBFollowWindow.h"

#include "shell/QBViewManager.h"
#include "window/areas/QBLogWindow.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QApplication>
#include <QFileInfo>

bool TQBFollowWindow::CanAddMessages() {
  // Not inside a load, a command or a dialog: what they work on must not change under them.
  return !P.Log.Loads().Gate().Busy() && !P.Log.Commands().Loading() && !P.CommandRunning() &&
         !QApplication::activeModalWidget();
}

bool TQBFollowWindow::FollowsEnd(const TQBViewBinding& view) const {
  const int rows = view.View->GetCount();
  return rows > 0 ? view.List->GetItemIndex() == rows - 1 : FEndAfterReload;
}

void TQBFollowWindow::BeginAdding() {
  const TQBViewBinding& view = P.Views.Current();
  FBracketed = view.List;
  FLastRowCurrent = false;
  if (!FBracketed) return;
  FLastRowCurrent = FollowsEnd(view);
  FBracketed->BeginUpdate();
}

void TQBFollowWindow::EndAdding(int added) {
  IQBMessageViewList* list = FBracketed;
  FBracketed = nullptr;
  if (!list) return;
  list->EndUpdate();
  if (added == 0) return;
  // Like `tail -f`: a view that showed its last row keeps showing the last row.
  const TQBViewBinding& view = P.Views.Current();
  if (FLastRowCurrent && view.List == list) {
    list->SetItemIndex(view.View->GetCount() - 1);
    FEndAfterReload = false;
  }
  P.Feedback.UpdateCommands();
}

QString TQBFollowWindow::ReloadNotice(const QString& path, TQBFollowReload reason) {
  const QString name = QFileInfo(path).fileName();
  switch (reason) {
    case TQBFollowReload::Truncated: return QStringLiteral("%1 became shorter and was loaded again.").arg(name);
    case TQBFollowReload::Replaced: return QStringLiteral("%1 was replaced and was loaded again.").arg(name);
    case TQBFollowReload::RecordCut: break;
  }
  return QStringLiteral("%1 was loaded again to follow it.").arg(name);
}

void TQBFollowWindow::ReloadFollowedFile(const QString& path, TQBFollowReload reason) {
  // The load empties the views, which leaves no row current: whether the view followed the end is
  // taken before it. A view that was elsewhere is left as a load leaves it: its old row number would
  // name some message of another file.
  const TQBViewBinding& before = P.Views.Current();
  IQBMessageViewList* list = before.List;
  const bool atEnd = list && FollowsEnd(before);
  FEndAfterReload = false;
  // Loaded as Open loads it: a modified log is offered for saving first. The load empties the status
  // pane when it ends, so the notice comes after it.
  if (!P.Log.Loads().LoadFile(path, false)) return;
  P.Feedback.ShowStatusText(ReloadNotice(path, reason));
  const TQBViewBinding& view = P.Views.Current();
  if (!atEnd || view.List != list) return;
  const int rows = view.View->GetCount();
  FEndAfterReload = rows == 0;
  if (rows > 0) list->SetItemIndex(rows - 1);
}

void TQBFollowWindow::ReportInvalidLog(const QString& path) { P.Log.ReportInvalid(path); }

void TQBFollowWindow::FollowingStopped() { P.Feedback.UpdateCommands(); }

void TQBFollowWindow::ResetSeparatorAdded() {
  if (IQBMessageViewList* list = P.Views.Current().List) list->ResetDepth();
}
