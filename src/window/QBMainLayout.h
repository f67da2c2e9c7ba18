#pragma once
// The widgets of the main window's client area and how the layout flags arrange them:
//
//   tbMain (the main toolbar)
//   client area (4-pixel border)
//   +- splMain (vertical bar, 7 px) ---------------------------------------------+
//   | splLeft (horizontal bar)                      | splRight (horizontal bar)  |
//   |   pnlMessages: tbView / pnlTimeline / nbViews |   pnlInspector             |
//   |                / tabViews /                   |                            |
//   |                pnlMsgDetails                  |   pnlCallStack             |
//   |   [pnlInspector here with Inspector on Bottom]|                            |
//   +-----------------------------------------------+----------------------------+
//
// The right-hand column keeps its width and the lower panes their height when the window is resized.

#include "shell/QBLayoutRules.h"

#include <QColor>
#include <QObject>

class QFrame;
class TQBDetailPanel;
class TQBTimelinePanel;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QWidget;
class TQBCallStackList;
class TQBToolStrip;

class TQBMainLayout : public QObject {
  Q_OBJECT
public:
  // Builds the main toolbar and the client area as children of parent; Root() is the widget to set as
  // the central widget.
  explicit TQBMainLayout(QWidget* parent);
  // Puts the inspector pane (pnlInspector) at the top of the right-hand column. The pane is made
  // after the layout because it is served by the views that the layout's pages hold.
  void SetInspectorPane(QWidget* pane);

  QWidget* Root() const { return FRoot; }
  QWidget* Client() const { return FClient; }
  TQBToolStrip* MainToolBar() const { return FMainToolBar; }
  QSplitter* MainSplitter() const { return FSplMain; }
  QSplitter* LeftSplitter() const { return FSplLeft; }
  QSplitter* RightSplitter() const { return FSplRight; }
  QWidget* MessageSide() const { return FMessages; }
  TQBToolStrip* ViewToolBar() const { return FViewToolBar; }
  QStackedWidget* Pages() const { return FPages; }
  QTabBar* Tabs() const { return FTabs; }
  TQBDetailPanel* DetailPanel() const { return FDetail; }
  TQBTimelinePanel* Timeline() const { return FTimeline; }
  QWidget* InspectorPane() const { return FInspector; }
  QWidget* CallStackPane() const { return FCallStack; }
  QLabel* CallStackHeader() const { return FCallStackHeader; }
  TQBCallStackList* CallStackList() const { return FCallStackList; }

  // Shows, hides and moves the panes for the flags.
  void Apply(const TQBPaneFlags& flags);
  // Row-height dependent sizes: tab strip, call stack header.
  void SetRowHeight(int rowHeight);
  // Unselected tabs are drawn in this colour with a border in the shadow colour.
  void SetTabColors(const QColor& unselected, const QColor& shadow);
  // Gives the right-hand column (1 - share) of the width.
  void SetMainShare(double share);

private:
  QWidget* BuildMessageSide();
  QWidget* BuildCallStack();
  void RestyleTabs();

  int FRowHeight = 17;
  QString FTabColor, FTabShadow;

  QWidget* FRoot;
  TQBToolStrip* FMainToolBar;
  QWidget* FClient;
  QSplitter* FSplMain;
  QSplitter* FSplLeft;
  QSplitter* FSplRight;
  QWidget* FMessages = nullptr;
  TQBToolStrip* FViewToolBar = nullptr;
  QStackedWidget* FPages = nullptr;
  QTabBar* FTabs = nullptr;
  TQBDetailPanel* FDetail = nullptr;
  TQBTimelinePanel* FTimeline = nullptr;
  QWidget* FInspector = nullptr;
  QWidget* FCallStack = nullptr;
  QLabel* FCallStackHeader = nullptr;
  TQBCallStackList* FCallStackList = nullptr;
};
