#include "window/QBWindowGeometry.h"

#include "settings/QBSettings.h"
#include "settings/QBWindowPlacement.h"
#include "window/QBMainLayout.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

#include <algorithm>

void TQBWindowGeometry::Restore(bool firstStart) {
  if (const QScreen* screen = QGuiApplication::primaryScreen(); firstStart && screen) {
    FWindow.setGeometry(qbplacement::FirstStartRect(screen->availableGeometry()));
    return;
  }
  QList<QRect> monitors;
  for (const QScreen* screen : QGuiApplication::screens()) monitors.append(screen->geometry());
  FWindow.setGeometry(qbplacement::NormalRect(FSettings.Position, monitors));
  if (FSettings.Position.Maximized) FWindow.setWindowState(FWindow.windowState() | Qt::WindowMaximized);
}

bool TQBWindowGeometry::Shown() {
  if (FShown) return false;
  FShown = true;
  // The right-hand column and the lower panes keep the stored sizes, or start at 26 % of the width and
  // a third of the height. Hidden splitters have no size of their own yet: measure the main splitter,
  // which is always shown.
  const QSize client = FLayout.MainSplitter()->size();
  const auto place = [](QSplitter* splitter, int length, int stored, double share, int minSecond = 0) {
    const int total = length - splitter->handleWidth();
    if (total <= 0) return;
    const int bar = qbplacement::SplitterBar(total, stored).value_or(std::min(int(total * share), total - minSecond));
    splitter->setSizes({std::max(bar, 0), total - std::max(bar, 0)});
  };
  const TQBDisplaySettings& d = FSettings.Display;
  // Without a stored width the inspector pane (shown now or later) has room for its whole toolbar.
  const int inspectorWidth = FLayout.InspectorPane() ? FLayout.InspectorPane()->minimumSizeHint().width() : 0;
  place(FLayout.MainSplitter(), client.width(), d.MainSplitFixed, 0.74, inspectorWidth);
  place(FLayout.RightSplitter(), client.height(), d.RightSplitFixed, 0.66);
  place(FLayout.LeftSplitter(), client.height(), d.LeftSplitFixed, 0.66);
  return true;
}

void TQBWindowGeometry::Store() {
  const QRect normal = FWindow.normalGeometry().isValid() ? FWindow.normalGeometry() : FWindow.geometry();
  TQBPositionSettings& p = FSettings.Position;
  p.Left = normal.left();
  p.Top = normal.top();
  p.Right = normal.right() + 1;
  p.Bottom = normal.bottom() + 1;
  p.Maximized = FWindow.isMaximized();
  const auto storedSize = [](const QSplitter* splitter) {
    const QList<int> sizes = splitter->sizes();
    return sizes.size() == 2 && splitter->isVisible() ? sizes[1] : -1;
  };
  TQBDisplaySettings& d = FSettings.Display;
  if (const int v = storedSize(FLayout.MainSplitter()); v >= 0) d.MainSplitFixed = v;
  if (const int v = storedSize(FLayout.RightSplitter()); v >= 0) d.RightSplitFixed = v;
  if (const int v = storedSize(FLayout.LeftSplitter()); v >= 0) d.LeftSplitFixed = v;
}
