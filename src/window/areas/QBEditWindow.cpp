#include "window/areas/QBEditWindow.h"

#include "shell/QBViewManager.h"
#include "window/dialogs/QBEditDialogs.h"

TQBEditWindow::TQBEditWindow(const TParts& parts)
    : P(parts),
      FAnnotations(P.Adder, P.Origin),
      FCommands(P.Views, P.Log, P.Adder, FAnnotations, P.General, *this, P.Feedback) {}

int TQBEditWindow::ViewCount() const { return P.Views.Count(); }

bool TQBEditWindow::ConfirmClearView(int viewCount, bool& all) {
  return P.Dialogs.ConfirmClearView(&P.ViewsArea, viewCount, all);
}

bool TQBEditWindow::ConfirmClearBookmarks() { return P.Dialogs.ConfirmClearBookmarks(&P.ViewsArea); }

void TQBEditWindow::ClearAllMessages() { P.Views.ClearViewsAndStore(); }

void TQBEditWindow::ClearMessageDetails() {
  // The current view is empty now: its inspection hides the inspectors and empties the call stack
  // and the detail panel.
  if (P.Inspect) P.Inspect();
}
