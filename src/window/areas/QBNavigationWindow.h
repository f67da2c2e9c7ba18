#pragma once
// The widget side of message navigation: the navigator (src/shell) with its kind list (TQBNavMenu,
// the commands, mnuNavMsg and btnNavSelect) and its two dialogs, placed over the current view and the
// main window. A kind command runs the navigator and then the window's command update.

#include "shell/QBNavigator.h"

#include <functional>
#include <memory>

class IQBNavigationDialogs;
class QToolButton;
class QWidget;
class TQBNavMenu;
class TQBViewManager;

class TQBNavigationWindow final : private IQBNavigatorDialogs {
public:
  struct TParts {
    QWidget& Window;  // owns the kind commands; the selection dialog stands over it
    TQBViewManager& Views;
    const TQuillboxMessageSet& Set;
    IQBNavigationDialogs& Dialogs;
    QToolButton& Button;                  // btnNavSelect on the view toolbar
    std::function<void()> UpdateCommands;  // after a kind command
    std::function<void()> EnablingChanged;  // First..Last must be renewed at once (a message arrived)
  };
  explicit TQBNavigationWindow(const TParts& parts);
  ~TQBNavigationWindow() override;

  TQBNavigator& Navigator() { return *FNavigator; }
  TQBNavMenu& Menu() { return *FMenu; }

private:
  void OnEntry(int entry);
  // IQBNavigatorDialogs
  bool AskTimeDiffThreshold(int32_t& threshold) override;
  bool AskNavMessage(bool& automatic, int32_t& kind) override;

  TParts P;
  TQBNavMenu* FMenu;  // owned by the window
  std::unique_ptr<TQBNavigator> FNavigator;
};
