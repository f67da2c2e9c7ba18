#include "shell/QBViewBinding.h"

#include <QObject>

TQBViewBinding TQBViewBinding::Of(QObject* view) {
  TQBViewBinding b;
  b.Object = view;
  b.View = qobject_cast<IQBMessageView*>(view);
  b.List = qobject_cast<IQBMessageViewList*>(view);
  b.Methods = qobject_cast<IQBMessageViewMethods*>(view);
  b.Search = qobject_cast<IQBMessageViewSearch*>(view);
  b.Print = qobject_cast<IQBMessageViewPrint*>(view);
  b.Save = qobject_cast<IQBMessageViewSave*>(view);
  b.Export = qobject_cast<IQBMessageViewExport*>(view);
  b.Time = qobject_cast<IQBMessageViewTime*>(view);
  b.FindOptions = qobject_cast<IQBMessageViewFindOptions*>(view);
  b.Activation = qobject_cast<IQBViewActivation*>(view);
  return b;
}

int TQBViewBinding::FocusedRow() const {
  if (!View || !List) return -1;
  const int row = List->GetItemIndex();
  return row >= 0 && row < View->GetCount() ? row : -1;
}

int TQBViewBinding::FocusedRecNo() const {
  const int row = FocusedRow();
  return row >= 0 ? View->GetRowRecNo(row) : -1;
}
