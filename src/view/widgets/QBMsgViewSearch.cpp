// The find operations of TQBMessageView: the find dialog through the view's dialogs, and the search
// itself in the view's core.
#include "view/widgets/QBMsgView.h"

#include "view/widgets/QBMsgViewDialogs.h"
#include "view/QBViewSearch.h"

bool TQBMessageView::ShowFindDialog(QString& text, bool& forward, bool& inDetails, bool& fromCursor) {
  TQBFindRequest request{text, forward, inDetails, fromCursor, FFindOptions};
  IQBMsgViewDialogs* dialogs = Dialogs();
  if (!dialogs || !dialogs->AskFind(this, request)) return false;
  text = request.Text, forward = request.Forward, inDetails = request.InDetails, fromCursor = request.FromCursor;
  FFindOptions = request.Options;
  FindText(true, text, inDetails, fromCursor, forward);
  return true;
}

void TQBMessageView::FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward) {
  HideHint();
  // Compiled once for the whole search.
  const TQBTextPattern pattern(text, FFindOptions);
  IQBMsgViewDialogs* dialogs = Dialogs();
  const std::unique_ptr<IQBSearchProgress> progress = dialogs ? dialogs->BeginSearchProgress(this, text) : nullptr;
  TQBViewSearch(FModel, progress.get()).FindText(fresh, pattern, inDetails, fromCursor, forward);
}
