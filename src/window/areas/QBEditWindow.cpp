#include "window/areas/QBEditWindow.h"

#include "shell/QBViewManager.h"
#include "window/dialogs/QBEditDialogs.h"
#include "window/areas/QBLogWindow.h"

TQBEditWindow::TQBEditWindow(const TParts& parts)
    : P(parts),
      FAnnotations(P.Adder, P.Origin),
      FCommands(P.Views, P.Log, P.Adder, FAnnotations, P.General, *this) {}

int TQBEditWindow::ViewCount() const { return P.Views.Count(); }

bool TQBEditWindow::ConfirmClearView(int viewCount, bool& all) {
  return P.Dialogs.ConfirmClearView(&P.ViewsArea, viewCount, all);
}

bool TQBEditWindow::ConfirmClearBookmarks() { return P.Dialogs.ConfirmClearBookmarks(&P.ViewsArea); }

void TQBEditWindow::SetBusy(bool busy) { QBSetBusyCursor(busy); }

void TQBEditWindow::ClearAllMessages() {
  // The views first: they hold record numbers into the store.
  P.Views.ClearAllViews();
  P.Adder.MessageSet().Close();
  P.Adder.MessageSet().Open();
}

void TQBEditWindow::ClearMessageDetails() {
  // The current view is empty now: its inspection hides the inspectors and empties the call stack
  // and the detail panel.
  if (P.Inspect) P.Inspect();
}
