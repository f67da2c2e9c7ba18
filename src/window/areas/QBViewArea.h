#pragma once
// The widget side of view management: TQBViewCommands (shell) does the work on the view manager; this
// class supplies its dialogs (the view filter dialog over the main window, the Remove All question
// over the views area) and opens the help topics the filter dialog asks for.

#include "shell/QBViewCommands.h"

#include <functional>

class IQBViewDialogs;
class QWidget;

class TQBViewArea final : private IQBViewQuestions {
public:
  struct TParts {
    QWidget& Window;
    QWidget& ViewsArea;
    TQBViewManager& Views;
    TQuillboxMessageSet& Set;
    IQBViewDialogs& Dialogs;
    std::function<void(const QString&)> Help;
  };
  explicit TQBViewArea(const TParts& parts) : P(parts), FCommands(P.Views, P.Set, *this) {}

  TQBViewCommands& Commands() { return FCommands; }

private:
  bool RunViewFilter(TQBViewFilterRequest& request) override;
  bool ConfirmRemoveAllViews() override;

  TParts P;
  TQBViewCommands FCommands;
};
