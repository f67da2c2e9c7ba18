#include "window/areas/QBInspectorHost.h"

#include "inspectors/QBInspectorPane.h"
#include "shell/QBLogState.h"
#include "shell/QBSelectionListeners.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBViewManager.h"
#include "view/widgets/QBSharedPrinter.h"
#include "window/dialogs/QBInspectorDialogs.h"

void TQBInspectorHost::SelectionChanged() {
  if (P.Log.Loading || !FPane) return;
  // A change handled inside this one (a report's dialog lets the user click) drops the count again.
  const TQBViewManager::THold hold = P.Views.HoldSelectedCount();
  FPane->InspectFocusedMessage();
}

void TQBInspectorHost::InspectFocusedMessage() {
  if (FPane) FPane->InspectFocusedMessage();
}

void TQBInspectorHost::GatherInputs(TQBCommandInputs& in) const {
  in.InspectorCanCopy = FPane && FPane->CanCopyContents();
  in.InspectorCanPrint = FPane && FPane->CanPrintContents();
}

void TQBInspectorHost::MessageFocused() { P.Listeners.MessageFocused(); }

void TQBInspectorHost::ClearMessageDetails() { P.Listeners.MessageCleared(); }

bool TQBInspectorHost::RunInspectorPrintDialog(QString& title) {
  if (!P.Dialogs.AskInspectorPrintTitle(&P.Window, title)) return false;
  const QString file = QBSharedPdfFile();
  if (file.isEmpty()) return true;
  const QString refusal = P.Log.OutputRefusal(file, TQBOutputKind::Print);
  if (!refusal.isEmpty()) P.Feedback.ReportError(refusal);
  return refusal.isEmpty();
}
