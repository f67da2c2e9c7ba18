#include "view/widgets/QBMsgViewHost.h"

#include "view/widgets/QBMsgView.h"

#include "view/widgets/QBMsgViewDialogs.h"

#include <QApplication>

bool TQBMsgViewHostHooks::AutoCollapse() const {
  return FView.Display().AutoCollapse;
}

bool TQBMsgViewHostHooks::AutoScroll() const {
  return FView.Display().AutoScroll;
}

void TQBMsgViewHostHooks::UpdateCommands() {
  if (ViewerHost) ViewerHost->UpdateCommands();
}

void TQBMsgViewHostHooks::RowAdded(int recNo) {
  FView.OfferColumnNames(recNo);
}

void TQBMsgViewHostHooks::ViewCleared() {
  FView.SetHorzPosition(0);
  FView.RecalcColumnWidths();
}

void TQBMsgViewHostHooks::Beep() {
  QApplication::beep();
}

void TQBMsgViewHostHooks::ShowNotFound(const QString& message) {
  if (IQBMsgViewDialogs* dialogs = FView.Dialogs()) dialogs->ShowInfo(&FView, message);
}

void TQBMsgViewHostHooks::ShowStatusText(const QString& text) {
  if (ViewerHost) ViewerHost->ShowStatusText(text);
}

int TQBMsgViewHostHooks::SourceLogOf(int recNo) const {
  return ViewerHost ? ViewerHost->GetSourceLog(recNo) : -1;
}

bool TQBMsgViewHostHooks::LogsMerged() const {
  return ViewerHost && ViewerHost->GetLogsMerged();
}

QString TQBMsgViewHostHooks::SourceLogName(int recNo) const {
  return ViewerHost ? ViewerHost->GetSourceLogName(recNo) : QString();
}

void TQBMsgViewHostHooks::HideHint() {
  FView.HideHint();
}

void TQBMsgViewHostHooks::SetProgressTotal(int total) {
  if (ViewerHost) ViewerHost->SetProgressTotal(total);
}

void TQBMsgViewHostHooks::StepProgress() {
  if (ViewerHost) ViewerHost->StepProgress();
}
