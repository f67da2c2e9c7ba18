#include "view/QBViewSearch.h"

#include <algorithm>

QString TQBViewSearch::NotFoundMessage(const QString& text) {
  return QStringLiteral("Search string '%1' not found.").arg(text);
}

QString TQBViewSearch::IncompleteMessage(int messages) {
  return messages == 1 ? QStringLiteral("1 message could not be searched fully.")
                       : QStringLiteral("%1 messages could not be searched fully.").arg(messages);
}

int TQBViewSearch::FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward) {
  if (FRows.RowCount() == 0) return -1;
  return FindText(fresh, TQBTextPattern(text, {}), inDetails, fromCursor, forward);
}

int TQBViewSearch::FindText(bool fresh, const TQBTextPattern& pattern, bool inDetails, bool fromCursor,
                            bool forward) {
  if (FRows.RowCount() == 0) return -1;
  FPattern = &pattern;
  FInDetails = inDetails;
  FSearched = FIncomplete = 0;
  FTotal = FRows.RowCount();
  FCancelled = false;
  const int start = StartRow(fresh, fromCursor, forward);
  // An empty text matches nothing, so it always ends in the notice; so does a find-next that has no
  // row left in its direction.
  const bool none = pattern.Text().isEmpty() || !pattern.IsValid() || start < 0;
  // The methods the walk opens stay open; unless a row is found, the focused message stays focused
  // and the selection as it was.
  const TQBViewRows::TPlace place = FRows.FocusedPlace();
  int found = -1;
  {
    TQBUpdateGuard update(FRows.List());
    found = none ? -1 : forward ? SearchForward(start) : SearchBackward(start);
    if (found >= 0)
      FNavigator.SelectRow(found);
    else
      FRows.KeepFocus(place);
  }
  Report(found);
  FPattern = nullptr;
  return found;
}

void TQBViewSearch::Report(int found) {
  if (FCancelled) return;
  if (found >= 0) {
    if (FIncomplete > 0) FRows.Host().ShowStatusText(IncompleteMessage(FIncomplete));
    return;
  }
  QString notice = NotFoundMessage(FPattern->Text());
  if (FIncomplete > 0) notice += QStringLiteral("\r\r") + IncompleteMessage(FIncomplete);
  FRows.Host().ShowNotFound(notice);
}

int TQBViewSearch::StartRow(bool fresh, bool fromCursor, bool forward) const {
  const int current = FRows.CurrentRow();
  const int last = FRows.RowCount() - 1;
  int row;
  if (fresh)
    row = fromCursor ? current : (forward ? 0 : last);
  else if (current >= 0 && current <= last && (forward ? current == last : current == 0))
    return -1;  // past the end: searching from the current row again would find it once more
  else
    row = forward ? current + 1 : current - 1;
  return std::clamp(row, 0, last);
}

TQBMatch TQBViewSearch::ItemMatch(int item) const {
  const TQBMessageRef m = FRows.MessageSet().At(FRows.ItemRecNo(item));
  const TQBMatch text = FPattern->Match(m.MsgTextUtf8());
  if (text == TQBMatch::Yes || !FInDetails) return text;
  const TQBMatch details = FPattern->Match(m.DetailsUtf8());
  return details == TQBMatch::No ? text : details;
}

bool TQBViewSearch::Test(int item) {
  const TQBMatch match = ItemMatch(item);
  if (match == TQBMatch::Yes) return true;
  ++FSearched;
  const bool incomplete = match == TQBMatch::Incomplete;
  if (incomplete) ++FIncomplete;
  if (FProgress && (incomplete || FSearched % RowsPerCheck == 0) && !FProgress->Continue(FSearched, FTotal))
    FCancelled = true;
  return false;
}

int TQBViewSearch::SearchForward(int row) {
  // Walks items rather than rows so a long view is not looked up row by row; an opened method's body
  // becomes the next rows and is walked in turn.
  if (row >= FRows.RowCount()) return -1;
  for (int item = FRows.ItemOfRow(row); item >= 0; item = FRows.NextVisibleItem(item + 1), ++row) {
    if (Test(item)) return row;
    if (FCancelled) return -1;
    if (FRows.ItemIsEnter(item) && FRows.ItemCollapsed(item)) FRows.OpenMethod(row);
  }
  return -1;
}

int TQBViewSearch::ExitRowAfter(int row) const {
  // The first exit row below the entry at the entry's level; the bracket match when levels disagree.
  const int enter = FRows.ItemOfRow(row);
  const int level = FRows.ItemLevel(enter);
  const int match = FRows.MatchingExit(enter);
  for (int item = FRows.NextVisibleItem(enter + 1); item >= 0 && (match < 0 || item <= match);
       item = FRows.NextVisibleItem(item + 1))
    if (FRows.ItemIsExit(item) && FRows.ItemLevel(item) == level) return FRows.RowOfItem(item);
  return match >= 0 ? FRows.RowOfItem(match) : row + 1;
}

int TQBViewSearch::SearchBackward(int row) {
  while (row >= 0) {
    if (Test(FRows.ItemOfRow(row))) return row;
    if (FCancelled) return -1;
    if (FRows.IsRowCollapsedMethod(row)) {
      // Open the method and search its body from its end.
      FRows.OpenMethod(row);
      row = ExitRowAfter(row) - 1;
    } else {
      --row;
    }
  }
  return -1;
}
