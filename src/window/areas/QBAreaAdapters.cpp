#include "window/areas/QBAreaAdapters.h"

#include "inspectors/QBCallStackList.h"
#include "shell/QBSelectionListeners.h"
#include "window/dialogs/QBSearchDialogs.h"

#include <QWidget>

void TQBViewsWindow::ViewPrepared() {
  P.CallStack.clear();
  P.Listeners.MessageCleared();
  P.Feedback.UpdateCommands();
}

bool TQBTimeQuestion::AskTime(TQBTimeStamp& value) {
  return FDialogs.AskTime(qobject_cast<QWidget*>(FViews.Current().Object), value);
}
