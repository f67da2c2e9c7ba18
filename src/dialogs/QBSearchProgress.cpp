#include "dialogs/QBSearchProgress.h"

#include "dialogs/QBDialogLook.h"
#include "shell/QBTerminateRequest.h"

#include <QApplication>
#include <QProgressDialog>

#include <algorithm>

namespace {
// Events are the slowest part of a check: the windows repaint and Cancel reacts this often.
constexpr int EventIntervalMs = 50;
// A text to find may be long; the label shows its start.
constexpr int LabelChars = 60;
}  // namespace

TQBSearchProgressDialog::TQBSearchProgressDialog(QWidget* over, const QString& text) : FOver(over), FText(text) {
  FClock.start();
}

TQBSearchProgressDialog::~TQBSearchProgressDialog() {
  if (FDialog) FDialog->close();
}

void TQBSearchProgressDialog::Show() {
  const QString shown = FText.size() > LabelChars ? FText.left(LabelChars) + QChar(0x2026) : FText;
  // Modal: while the search runs, input reaches only Cancel, so no command can change the view.
  FDialog = qbdialogs::NewProgressDialog(FOver, QStringLiteral("FrmSearchProgress"),
                                         QStringLiteral("Searching for '%1'...").arg(shown), QStringLiteral("Searching"));
  FDialog->show();
  FSinceEvents.invalidate();
}

bool TQBSearchProgressDialog::Continue(int searched, int total) {
  if (qbterminate::Requested()) return false;
  if (!FDialog) {
    if (FClock.elapsed() < ShowAfterMs) return true;
    Show();
  }
  if (FSinceEvents.isValid() && FSinceEvents.elapsed() < EventIntervalMs) return !FDialog->wasCanceled();
  FDialog->setRange(0, std::max(total, 1));
  FDialog->setValue(std::clamp(searched, 0, std::max(total, 1)));
  QApplication::processEvents();
  FSinceEvents.start();
  return !FDialog->wasCanceled() && !qbterminate::Requested();
}
