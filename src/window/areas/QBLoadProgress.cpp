#include "window/areas/QBLoadProgress.h"

#include "shell/QBTerminateRequest.h"
#include "window/QBStatusPanes.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidget>

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
      return true;
    default:
      return false;
  }
}

}  // namespace

TQBLoadProgress::TQBLoadProgress(TQBStatusPanes& panes, std::function<IQBMessageViewList*()> currentList)
    : FPanes(panes), FCurrentList(std::move(currentList)) {}

TQBLoadProgress::~TQBLoadProgress() {
  if (FRunning) qApp->removeEventFilter(this);
}

void TQBLoadProgress::Begin() {
  FPanes.SetProgressTotal(Parts);
  FPanes.SetStopVisible(true);
  FLastPart = 0;
  FStop = false;
  // Invalid: the first report repaints at once, so the Stop button shows from the start.
  FSinceRepaint.invalidate();
  if (!FRunning) qApp->installEventFilter(this);
  FRunning = true;
}

void TQBLoadProgress::End() {
  if (FRunning) qApp->removeEventFilter(this);
  FRunning = false;
  FPanes.SetStopVisible(false);
  FPanes.SetProgressTotal(0);
  FLastPart = -1;
}

void TQBLoadProgress::ResetSeparatorAdded() {
  if (IQBMessageViewList* list = FCurrentList()) list->ResetDepth();
}

void TQBLoadProgress::Progress(int64_t position, int64_t size) {
  const int part = size > 0 ? int(position * Parts / size) : Parts;
  if (part != FLastPart) {
    FPanes.SetProgress(part);
    FLastPart = part;
  }
  if (FSinceRepaint.isValid() && FSinceRepaint.elapsed() < RepaintEveryMs) return;
  FSinceRepaint.start();
  QCoreApplication::processEvents();
}

bool TQBLoadProgress::StopRequested() { return FStop || qbterminate::Requested(); }

bool TQBLoadProgress::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event->type())) return false;
  // Input reaches a widget through its window first: the window passes it on, the filter decides when
  // it arrives at the widget.
  auto* widget = qobject_cast<QWidget*>(watched);
  QToolButton* stop = FPanes.StopButton();
  // A window the load opens itself (its first question, a report) must still be answerable.
  if (widget && widget->window() != stop->window()) return false;
  // A shortcut is delivered to its action, which is no widget.
  if (event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride) return true;
  if (!widget) return false;
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    RequestStop();
    return true;
  }
  return !(widget == stop || stop->isAncestorOf(widget));
}
