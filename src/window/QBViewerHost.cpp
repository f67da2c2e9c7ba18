#include "window/QBViewerHost.h"

#include "shell/QBAreaFeedback.h"
#include "window/QBStatusPanes.h"

void TQBViewerHost::UpdateCommands() { P.Feedback.UpdateCommands(); }
void TQBViewerHost::ShowStatusText(const QString& text) { P.Feedback.ShowStatusText(text); }
void TQBViewerHost::SetProgressTotal(int total) { P.Panes.SetProgressTotal(total); }
void TQBViewerHost::SetProgress(int n) { P.Panes.SetProgress(n); }
void TQBViewerHost::StepProgress() { P.Panes.StepProgress(); }

QString TQBViewerHost::GetSourceLogName(int recNo) const {
  // A store of one log names no log: there is nothing to tell apart.
  return P.Sources.Merged() ? P.Sources.LogName(P.Sources.LogOf(recNo)) : QString();
}
