// The detail panel and the navigation kind list as widgets: placement by width, values and colour; the
// commands, the three-column menu and the drop-down button that the navigator drives.

#include "support/QBTestFiles.h"

#include "window/areas/QBDetailPanel.h"
#include "window/areas/QBNavMenu.h"
#include "settings/QBSettings.h"
#include "shell/QBViewBinding.h"

#include "model/QBMessageAdder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(DetailPanelWidget, PlacesItsPairsForItsWidthAndShowsAMessage) {
  // Where exactly the pairs go depends on the room the labels need in the machine's font (the layout's
  // own test has the positions); here the form follows the width and every label is whole.
  TQBDetailPanel panel;
  panel.show();
  for (const auto& [width, height] : {std::pair(900, 39), std::pair(250, 136)}) {
    panel.resize(width, 10);
    EXPECT_EQ(panel.height(), height) << width;
    for (int i = 0; i < 8; ++i) {
      EXPECT_GE(panel.Label(i)->width(), panel.Label(i)->fontMetrics().horizontalAdvance(panel.Label(i)->text())) << i;
      EXPECT_LT(panel.Label(i)->geometry().right(), panel.Value(i)->x()) << i;
    }
  }

  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TQBRawMessage m = qbtest::Message(0, "text");
  m.AppName = Utf8Bytes("Server");
  m.ProcessID = 12;
  const int recNo = adder.AddMessage(m);
  panel.ShowMessage(set.At(recNo));
  EXPECT_EQ(panel.findChild<QLabel*>("stsAppName")->text(), "Server");
  EXPECT_EQ(panel.findChild<QLabel*>("stsPID")->text(), "12");
  EXPECT_TRUE(panel.findChild<QLabel*>("stsPID")->alignment() & Qt::AlignRight);
  EXPECT_TRUE(panel.findChild<QLabel*>("stsAppName")->alignment() & Qt::AlignLeft);
  panel.Clear();
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(panel.Value(i)->text().isEmpty()) << i;

  panel.SetValueColor(QColor(200, 10, 10));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(panel.Value(i)->palette().color(QPalette::WindowText), QColor(200, 10, 10));
}

class TNoView final : public IQBCurrentView {
public:
  const TQBViewBinding& Current() const override { return FNone; }

private:
  TQBViewBinding FNone;
};

class TNoDialogs final : public IQBNavigatorDialogs {
public:
  bool AskTimeDiffThreshold(int32_t&) override { return ++Asked, false; }
  bool AskNavMessage(bool&, int32_t&) override { return false; }
  int Asked = 0;
};

TEST(NavMenuWidget, CommandsColumnsAndTheButtonFollowTheNavigator) {
  QWidget window;
  int enablingNotices = 0;
  TQBNavMenu menu(&window, [&] { ++enablingNotices; });
  QToolButton button(&window);
  menu.SetButton(&button);
  TNoDialogs dialogs;
  TQuillboxMessageSet set;
  TNoView views;
  TQBNavigator navigator(menu, dialogs, set, views);
  QObject::connect(&menu, &TQBNavMenu::EntryTriggered, [&](int entry) {
    if (entry == qbnav::TimeDiffEntry) navigator.ToggleTimeDiff();
    else if (entry == qbnav::AutomaticEntry) navigator.ToggleAutomatic();
    else navigator.ChooseKind(entry);
  });
  navigator.Restore(TQBGeneralSettings{});

  EXPECT_EQ(button.objectName(), "btnNavSelect");
  EXPECT_EQ(button.toolTip(), "Browse for Check Points");
  EXPECT_EQ(button.menu()->objectName(), "mnuNavMsg");
  EXPECT_EQ(window.findChild<QAction*>("actNavTimeDiff")->text(), "Time Difference (1000 ms)");
  EXPECT_TRUE(window.findChild<QAction*>("actNavCheckPoints")->isChecked());
  EXPECT_TRUE(window.findChild<QAction*>("actNavAutomatic")->isChecked());
  EXPECT_FALSE(window.findChild<QAction*>("actNavInfo")->icon().isNull());
  EXPECT_FALSE(window.findChild<QAction*>("actNavTimeDiff")->icon().isNull());

  // The menu lists every entry once, column by column.
  const QList<QToolButton*> items = menu.Menu()->findChildren<QToolButton*>();
  EXPECT_EQ(items.size(), qbnav::EntryCount);
  EXPECT_EQ(menu.Menu()->findChild<QToolButton*>("mnuNavCheckPoints")->defaultAction()->objectName(),
            "actNavCheckPoints");

  // A kind chosen from the menu: the button and the mark follow.
  window.findChild<QAction*>("actNavError")->trigger();
  EXPECT_EQ(navigator.Kind(), 2);
  EXPECT_EQ(button.toolTip(), "Browse for Error Messages");
  EXPECT_TRUE(window.findChild<QAction*>("actNavError")->isChecked());
  EXPECT_FALSE(window.findChild<QAction*>("actNavCheckPoints")->isChecked());

  // Time Difference with its dialog cancelled ticks nothing; Automatic toggles.
  window.findChild<QAction*>("actNavTimeDiff")->trigger();
  EXPECT_EQ(dialogs.Asked, 1);
  EXPECT_FALSE(window.findChild<QAction*>("actNavTimeDiff")->isChecked());
  window.findChild<QAction*>("actNavAutomatic")->trigger();
  EXPECT_FALSE(navigator.Automatic());
  EXPECT_FALSE(window.findChild<QAction*>("actNavAutomatic")->isChecked());

  menu.SetKindsEnabled(false);
  EXPECT_FALSE(window.findChild<QAction*>("actNavCustom")->isEnabled());
  EXPECT_FALSE(window.findChild<QAction*>("actNavAutomatic")->isEnabled());
  EXPECT_TRUE(window.findChild<QAction*>("actNavTimeDiff")->isEnabled());
  menu.NavEnablingChanged();
  EXPECT_EQ(enablingNotices, 1);
}

}  // namespace
