#include "shell/widgets/QBViewArea.h"

#include "shell/widgets/QBViewAreaDialogs.h"

bool TQBViewArea::RunViewFilter(TQBViewFilterRequest& request) {
  return P.Dialogs.RunViewFilter(&P.Window, request, P.Help);
}

bool TQBViewArea::ConfirmRemoveAllViews() { return P.Dialogs.ConfirmRemoveAllViews(&P.ViewsArea); }
