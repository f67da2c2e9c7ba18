#pragma once
// The widget side of the annotation and editing commands: TQBEditCommands holds the steps and flag
// rules (with TQBAnnotations building the added messages); this class supplies the confirmations and
// the emptying of the views, the store and the panes (the busy cursor comes from the window's
// IQBAreaFeedback).

#include "shell/QBEditCommands.h"

#include <functional>

class IQBEditDialogs;
class QWidget;
class TQBViewManager;
struct TQBMessageOrigin;

class TQBEditWindow final : private IQBEditWindow {
public:
  struct TParts {
    TQBViewManager& Views;
    QWidget& ViewsArea;  // the confirmations stand over it
    TQBLogState& Log;
    TQBMessageAdder& Adder;
    const TQBMessageOrigin& Origin;
    const TQBGeneralSettings& General;
    IQBEditDialogs& Dialogs;
    IQBAreaFeedback& Feedback;
    std::function<void()> Inspect;  // inspects the current view: hides the inspectors of an empty one
  };
  explicit TQBEditWindow(const TParts& parts);

  TQBEditCommands& Commands() { return FCommands; }
  const TQBAnnotations& Annotations() const { return FAnnotations; }

private:
  // IQBEditWindow
  int ViewCount() const override;
  bool ConfirmClearView(int viewCount, bool& all) override;
  bool ConfirmClearBookmarks() override;
  void ClearAllMessages() override;
  void ClearMessageDetails() override;

  TParts P;
  TQBAnnotations FAnnotations;
  TQBEditCommands FCommands;
};
