#pragma once
// The widgets of the main window's client area and how the layout flags arrange them:
//
//   client area (4-pixel border)
//   +- splMain (vertical bar, 7 px) ---------------------------------------------+
//   | splLeft (horizontal bar)                      | splRight (horizontal bar)  |
//   |   pnlMessages: tbView / nbViews / tabViews /  |   pnlInspector             |
//   |                pnlDetail                      |   pnlCallStack             |
//   |   [pnlInspector here with Inspector on Bottom]|                            |
//   +-----------------------------------------------+----------------------------+
//
// The right-hand column keeps its width and the lower panes their height when the window is resized.

#include <QColor>
#include <QObject>

class QFrame;
class QListWidget;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QWidget;

struct TQBPaneFlags {
  bool Inspector = false;
  bool CallStack = false;
  bool InspectorOnBottom = false;
  bool FullSize = false;
  bool DetailPanel = false;
};

class TQBMainLayout : public QObject {
  Q_OBJECT
public:
  // Builds the client area as a child of parent; Client() is the widget to set as central widget.
  explicit TQBMainLayout(QWidget* parent);

  QWidget* Client() const { return FClient; }
  QSplitter* MainSplitter() const { return FSplMain; }
  QSplitter* LeftSplitter() const { return FSplLeft; }
  QSplitter* RightSplitter() const { return FSplRight; }
  QWidget* MessageSide() const { return FMessages; }
  QToolBar* ViewToolBar() const { return FViewToolBar; }
  QStackedWidget* Pages() const { return FPages; }
  QTabBar* Tabs() const { return FTabs; }
  QFrame* DetailPanel() const { return FDetail; }
  QFrame* InspectorPane() const { return FInspector; }
  QWidget* CallStackPane() const { return FCallStack; }
  QLabel* CallStackHeader() const { return FCallStackHeader; }
  QListWidget* CallStackList() const { return FCallStackList; }

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

  QWidget* FClient;
  QSplitter* FSplMain;
  QSplitter* FSplLeft;
  QSplitter* FSplRight;
  QWidget* FMessages = nullptr;
  QToolBar* FViewToolBar = nullptr;
  QStackedWidget* FPages = nullptr;
  QTabBar* FTabs = nullptr;
  QFrame* FDetail = nullptr;
  QFrame* FInspector;
  QWidget* FCallStack = nullptr;
  QLabel* FCallStackHeader = nullptr;
  QListWidget* FCallStackList = nullptr;
};
