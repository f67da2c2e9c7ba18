#pragma once
// The menus, toolbars and context menus of the main window. They only present the commands of the
// command table; building them never connects a handler.

#include "shell/QBCommandIds.h"

#include <initializer_list>

class QMainWindow;
class QMenu;
class QToolButton;
class TQBCommandTable;
class TQBToolStrip;

struct TQBMenus {
  QMenu* ToggleBookmarks = nullptr;   // "Toggle &Bookmarks" of the Search menu
  QMenu* JumpToBookmarks = nullptr;   // "&Jump to Bookmarks"
  QMenu* Position = nullptr;          // "Position &Viewer"
  QToolButton* NavSelect = nullptr;  // btnNavSelect, the view toolbar's navigation kind drop-down
  QMenu* MessageList = nullptr;       // mnuMessageList, given to every view
  QMenu* Views = nullptr;             // mnuViews, the tab strip's menu
  QMenu* SwitchToView = nullptr;      // its "&Switch to View" submenu, rebuilt when it opens
  QMenu* MsgDetailsPopup = nullptr;   // mnuMsgDetailsPopup, the column commands: the View menu's
                                      // "Columns" submenu and the views' header menu
  QMenu* System = nullptr;            // the window menu with Clear All and Add Separator
  QMenu* RecentFiles = nullptr;       // the File menu's "Recent &Files", filled by the recent files area
  QMenu* RecentProjects = nullptr;    // the File menu's "Recent Pro&jects", likewise
};

// Builds the menu bar of window, fills the main and view toolbars and creates the context menus.
TQBMenus BuildMenus(QMainWindow& window, const TQBCommandTable& commands, TQBToolStrip& mainToolBar,
                    TQBToolStrip& viewToolBar);
