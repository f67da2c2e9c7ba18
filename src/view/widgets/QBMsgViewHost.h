#pragma once
// The hooks through which a message view's core reaches the world: the view itself for what it shows
// (auto-collapse, auto-scroll, column widths, the hint) and the published host for the rest.

#include "view/QBViewHooks.h"

class TQBMessageView;

class TQBMsgViewHostHooks : public IQBViewHostHooks, public IQBProgressSink {
public:
  explicit TQBMsgViewHostHooks(TQBMessageView& view) : FView(view) {}

  bool AutoCollapse() const override;
  bool AutoScroll() const override;
  void UpdateCommands() override;
  void RowAdded(int recNo) override;
  void ViewCleared() override;
  void Beep() override;
  void ShowNotFound(const QString& message) override;
  void ShowStatusText(const QString& text) override;
  void HideHint() override;
  int SourceLogOf(int recNo) const override;
  bool LogsMerged() const override;
  QString SourceLogName(int recNo) const override;

  void SetProgressTotal(int total) override;
  void StepProgress() override;

private:
  TQBMessageView& FView;
};
