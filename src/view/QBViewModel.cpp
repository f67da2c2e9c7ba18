#include "view/QBViewModel.h"

bool TQBViewModel::MatchesFilter() {
  TQuillboxMessageSet& set = MessageSet();
  return FMatcher.Matches(set, set.At(set.RecNo()));
}

void TQBViewModel::AddCurrentMessage(bool force) {
  TQuillboxMessageSet& set = MessageSet();
  if (set.RecNo() < 1 || set.RecNo() > set.GetRecordCount()) return;
  if (!force && !MatchesFilter()) return;
  const int recNo = set.RecNo();
  FRows.AppendCurrentMessage();
  if (FRows.Host().AutoScroll()) FRows.List().SetTopRow(FRows.RowCount() - 1);
  FRows.Host().RowAdded(recNo);
  set.GotoRec(recNo);
}

void TQBViewModel::NewMessageAdded(int recNo) {
  MessageSet().GotoRec(recNo);
  AddCurrentMessage(false);
}

void TQBViewModel::ClearView() {
  FRows.ClearView();
  FBookmarks.Clear();
}

void TQBViewModel::ClearBookmarks() {
  FBookmarks.Clear();
  FRows.List().RepaintAll();
}

void TQBViewModel::SetSyncMessage(int recNo) {
  FSyncRecNo = recNo;
  FRows.List().RepaintAll();
}
