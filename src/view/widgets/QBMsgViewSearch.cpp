// The find operations of TQBMessageView: the find dialog through the view's dialogs, and the search
// itself in the view's core.
#include "view/widgets/QBMsgView.h"

#include "view/widgets/QBMsgViewDialogs.h"
#include "view/QBViewSearch.h"

bool TQBMessageView::ShowFindDialog(QString& text, bool& forward, bool& inDetails, bool& fromCursor) {
  TQBFindRequest request{text, forward, inDetails, fromCursor};
  IQBMsgViewDialogs* dialogs = Dialogs();
  if (!dialogs || !dialogs->AskFind(this, request)) return false;
  text = request.Text, forward = request.Forward, inDetails = request.InDetails, fromCursor = request.FromCursor;
  FindText(true, text, inDetails, fromCursor, forward);
  return true;
}

void TQBMessageView::FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward) {
  HideHint();
  TQBViewSearch(FModel).FindText(fresh, text, inDetails, fromCursor, forward);
}
