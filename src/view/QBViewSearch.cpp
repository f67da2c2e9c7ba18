#include "view/QBViewSearch.h"

#include <algorithm>

QString TQBViewSearch::NotFoundMessage(const QString& text) {
  return QStringLiteral("Search string '%1' not found.").arg(text);
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
  const int start = StartRow(fresh, fromCursor, forward);
  // An empty text matches nothing, so it always ends in the notice; so does a find-next that has no
  // row left in its direction.
  const bool none = pattern.Text().isEmpty() || !pattern.IsValid() || start < 0;
  // The methods the walk opens stay open; the focused message and the selection stay as they were
  // unless a row is found.
  const TQBViewRows::TPlace place = FRows.FocusedPlace();
  int found = -1;
  {
    TQBUpdateGuard update(FRows.List());
    found = none ? -1 : forward ? SearchForward(start) : SearchBackward(start);
    FPattern = nullptr;
    if (found >= 0)
      FNavigator.SelectRow(found);
    else
      FRows.KeepFocus(place);
  }
  if (found < 0) FRows.Host().ShowNotFound(NotFoundMessage(pattern.Text()));
  return found;
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

bool TQBViewSearch::ItemMatches(int item) const {
  const TQBMessageRef m = FRows.MessageSet().At(FRows.ItemRecNo(item));
  if (FPattern->Matches(m.MsgTextUtf8())) return true;
  return FInDetails && FPattern->Matches(m.DetailsUtf8());
}

int TQBViewSearch::SearchForward(int row) {
  // Walks items rather than rows so a long view is not looked up row by row; an opened method's body
  // becomes the next rows and is walked in turn.
  if (row >= FRows.RowCount()) return -1;
  for (int item = FRows.ItemOfRow(row); item >= 0; item = FRows.NextVisibleItem(item + 1), ++row) {
    if (ItemMatches(item)) return row;
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
    if (ItemMatches(FRows.ItemOfRow(row))) return row;
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
