#include "window/areas/QBViewArea.h"

#include "window/dialogs/QBViewAreaDialogs.h"

bool TQBViewArea::RunViewFilter(TQBViewFilterRequest& request) {
  return P.Dialogs.RunViewFilter(&P.Window, request, P.Help);
}

bool TQBViewArea::ConfirmRemoveAllViews() { return P.Dialogs.ConfirmRemoveAllViews(&P.ViewsArea); }
