#include "shell/widgets/QBLoadProgress.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QCoreApplication>
#include <QEventLoop>

TQBLoadProgress::TQBLoadProgress(IQBViewerHost& host, std::function<IQBMessageViewList*()> currentList)
    : FHost(host), FCurrentList(std::move(currentList)) {}

void TQBLoadProgress::Begin() {
  FHost.SetProgressTotal(Parts);
  FLastPart = 0;
  FSinceRepaint.start();
}

void TQBLoadProgress::End() {
  FHost.SetProgressTotal(0);
  FLastPart = -1;
}

void TQBLoadProgress::ResetSeparatorAdded() {
  if (IQBMessageViewList* list = FCurrentList()) list->ResetDepth();
}

void TQBLoadProgress::Progress(int64_t position, int64_t size) {
  const int part = size > 0 ? int(position * Parts / size) : Parts;
  if (part != FLastPart) {
    FHost.SetProgress(part);
    FLastPart = part;
  }
  if (FSinceRepaint.isValid() && FSinceRepaint.elapsed() < RepaintEveryMs) return;
  FSinceRepaint.restart();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
