#include "window/QBWindowFeedback.h"

#include "shell/QBVocabulary.h"
#include "window/QBStatusPanes.h"
#include "window/dialogs/QBErrorReport.h"

#include <QApplication>
#include <QLabel>

void TQBWindowFeedback::ReportError(const QString& text) { P.Errors.ShowError(&P.Window, QBApplicationTitle, text); }

void TQBWindowFeedback::SetBusy(bool busy) {
  busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

void TQBWindowFeedback::ShowStatusText(const QString& text) {
  P.Panes.SetStatusText(text);
  // Painted at once: the texts announce work that keeps the event loop busy ("Loading Trace.qbl...").
  if (P.Panes.StatusMessage()->isVisible()) P.Panes.StatusMessage()->repaint();
}
