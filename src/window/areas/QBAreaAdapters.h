#pragma once
// Two area interfaces the window answers with a few of its parts: the view manager's calls
// (IQBViewsWindow) and Go to Time's question (IQBTimeQuestion).

#include "shell/QBSearchCommands.h"
#include "shell/QBViewManager.h"

#include <functional>

class IQBSearchDialogs;
class TQBCallStackList;
class TQBSelectionListeners;

// A view was prepared: the call stack list and the detail fields empty and the command states are
// renewed; an inspection goes to the inspector pane's host.
class TQBViewsWindow final : public IQBViewsWindow {
public:
  struct TParts {
    TQBCallStackList& CallStack;
    TQBSelectionListeners& Listeners;
    IQBAreaFeedback& Feedback;
    std::function<void()> Inspect;  // inspects the current view's focused message
  };
  explicit TQBViewsWindow(TParts parts) : P(std::move(parts)) {}

  void ViewPrepared() override;
  void InspectFocusedMessage() override { P.Inspect(); }

private:
  TParts P;
};

// Go to Time's dialog over the current view.
class TQBTimeQuestion final : public IQBTimeQuestion {
public:
  TQBTimeQuestion(const IQBCurrentView& views, IQBSearchDialogs& dialogs) : FViews(views), FDialogs(dialogs) {}

  bool AskTime(TQBTimeStamp& value) override;

private:
  const IQBCurrentView& FViews;
  IQBSearchDialogs& FDialogs;
};
