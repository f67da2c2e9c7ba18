#pragma once
// The widgets of the views: the page stack nbViews and the tab strip tabViews, kept in the view
// manager's order (IQBViewPages). A tab the user picks goes to the manager, which runs the tab change;
// the tab strip's menu mnuViews and its "Switch to View" submenu are served from the manager's list.
// A right click on a tab makes that tab current before the menu opens, so every command of the menu
// acts on the tab under the mouse; once the menu closes the keyboard is on the current view.

#include "shell/QBViewPages.h"

#include <QObject>

class QAction;
class QContextMenuEvent;
class QMenu;
class QStackedWidget;
class QTabBar;
class QWidget;
class TQBViewManager;
struct TQBMenus;

class TQBViewTabs final : public QObject, public IQBViewPages {
  Q_OBJECT
public:
  // owner owns the views and is the window whose repainting SuspendUpdates holds.
  TQBViewTabs(QWidget& owner, QTabBar& tabs, QStackedWidget& pages, const TQBMenus& menus);

  // The manager the tab strip and the "Switch to View" menu report to.
  void SetManager(TQBViewManager* manager) { FManager = manager; }
  // Gives the shown view the keyboard focus.
  void FocusCurrentView();
  // The command the close button on the active tab runs (Remove View), when it is enabled.
  void SetCloseAction(QAction* action);

  // IQBViewPages
  QObject* CreateView(const TQBCustomViewClass& viewClass) override;
  void DestroyView(QObject* view) override;
  void InsertPage(int index, QObject* view, const QString& name) override;
  void RemovePage(int index) override;
  void MovePage(int from, int to) override;
  void ShowPage(int index) override;
  void SetCaption(int index, const QString& name) override;
  void SetTabStripVisible(bool visible) override;
  void SuspendUpdates(bool suspend) override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void OpenTabMenu(const QContextMenuEvent& event);
  void FillSwitchToViewMenu();
  template <typename F>
  void Silently(F f);
  // The close button sits on the active tab only.
  void PlaceCloseButton();

  QWidget& FOwner;
  QTabBar& FTabs;
  QStackedWidget& FPages;
  const TQBMenus& FMenus;
  TQBViewManager* FManager = nullptr;
  QAction* FCloseAction = nullptr;
  int FSuspended = 0;
};
