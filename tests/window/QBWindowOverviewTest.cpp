// The overview bar and the quick filter in the real main window: the strip beside the current view's
// scroll bar with its marks, counts and accessible texts, its command and setting, its click, and the
// marks of a Find; the quick filter's box, its shortcut, typing, exclusions as chips, Enter and Esc.

#include "QBViewerWindowFixture.h"

#include "support/QBModalAnswer.h"

#include "dialogs/QBFindForm.h"
#include "model/QBMessageTypes.h"
#include "view/widgets/QBOverviewBar.h"
#include "window/areas/QBOverviewArea.h"
#include "window/areas/QBQuickFilterArea.h"
#include "window/areas/QBQuickFilterBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace qbtest;

namespace {

class WindowOverview : public TViewerWindowTest {
protected:
  // 200 messages: errors at 10 and 150 (one an exception), a warning at 20, a check point at 30, a
  // separator at 40, "needle" at 60 and 170, "heartbeat" at every tenth from 5 on.
  void Open() {
    QByteArray bytes;
    for (int i = 0; i < 200; ++i) {
      int32_t type = qbmInfo;
      if (i == 10) type = qbmError;
      if (i == 150) type = qbmException;
      if (i == 20) type = qbmWarning;
      if (i == 30) type = qbmCheckPoint;
      if (i == 40) type = qbmSeparator;
      const QByteArray text = i == 60 || i == 170 ? "disk needle" : i % 10 == 5 ? "heartbeat" : "disk ok";
      bytes += MarkedRecord(Message(type, text));
    }
    ASSERT_TRUE(Window->LoadFile(Files.Write(QStringLiteral("overview.qbl"), bytes), false));
  }
  TQBOverviewBar* Bar() { return Window->Overview().Bar(); }
  const TQBOverviewMarks& PaintedMarks() {
    Bar()->repaint();
    return Bar()->LastMarks();
  }
  TQBQuickFilterBox& Box() { return Window->QuickFilter().Box(); }
  void Type(const QString& text) {
    QTest::keyClicks(Box().TextField(), text);
    Window->QuickFilter().Finish();
  }
};

TEST_F(WindowOverview, TheBarMarksTheKindsCountsThemAndFollowsTheView) {
  Create();
  Open();
  ASSERT_NE(Bar(), nullptr);
  EXPECT_EQ(View().SideStrip(), Bar());
  EXPECT_TRUE(Window->Action(TQBCmd::ViewOverviewBar)->isChecked());
  const TQBOverviewMarks& marks = PaintedMarks();
  EXPECT_EQ(marks.Of(TQBMarkKind::Error).size(), 2u);
  EXPECT_EQ(marks.Of(TQBMarkKind::Warning).size(), 1u);
  EXPECT_EQ(marks.Of(TQBMarkKind::CheckPoint).size(), 1u);
  EXPECT_EQ(marks.Of(TQBMarkKind::Separator).size(), 1u);
  EXPECT_TRUE(marks.Of(TQBMarkKind::Found).empty());
  EXPECT_EQ(Bar()->accessibleName(),
            "Overview bar: 2 errors, 1 warning, no bookmarks, 1 check point, 1 separator, no find matches");
  EXPECT_TRUE(Bar()->accessibleDescription().contains("red: 2 errors"));

  // A bookmark shows at once.
  View().SetItemIndex(100);
  Trigger(TQBCmd::ToggleBookmark3);
  EXPECT_EQ(PaintedMarks().Of(TQBMarkKind::Bookmark).size(), 1u);

  // A click near the bottom scrolls there.
  View().SetTopIndex(0);
  QTest::mouseClick(Bar(), Qt::LeftButton, {}, QPoint(5, Bar()->height() - 2));
  EXPECT_GT(View().TopIndex(), 100);

  // The menu command hides the strip and gives its width back; the setting goes with it.
  Trigger(TQBCmd::ViewOverviewBar);
  EXPECT_EQ(Bar(), nullptr);
  EXPECT_EQ(View().SideStrip(), nullptr);
  EXPECT_FALSE(Window->Settings().Display.OverviewBar);
  EXPECT_FALSE(Window->Action(TQBCmd::ViewOverviewBar)->isChecked());
  Trigger(TQBCmd::ViewOverviewBar);
  ASSERT_NE(Bar(), nullptr);
}

TEST_F(WindowOverview, AFindMarksItsMatchesUntilTheTextChanges) {
  Create();
  Open();
  {
    auto answer = AnswerModal<TFrmFind>([](TFrmFind& find) {
      find.FindText()->setEditText("needle");
      find.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(TQBCmd::Find);
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return PaintedMarks().Of(TQBMarkKind::Found).size() == 2; }, 5000));
  EXPECT_TRUE(Bar()->accessibleName().endsWith("2 find matches"));
  {
    auto answer = AnswerModal<TFrmFind>([](TFrmFind& find) {
      find.FindText()->setEditText("heartbeat");
      find.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(TQBCmd::Find);
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return PaintedMarks().Of(TQBMarkKind::Found).size() > 2; }, 5000));
}

TEST_F(WindowOverview, TheQuickFilterNarrowsExcludesMakesAViewAndClears) {
  Create();
  Open();
  EXPECT_EQ(Box().accessibleName(), "Quick filter");
  EXPECT_EQ(Box().TextField()->accessibleName(), "Quick filter text");
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  QTest::keyClick(Window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Box().TextField()->hasFocus(); }, 5000));

  Type("NEEDLE");
  EXPECT_EQ(View().GetCount(), 2);
  EXPECT_EQ(Box().Note(), "2 of 200 messages");
  // The strip follows the narrowed rows: the errors are gone from it.
  EXPECT_TRUE(PaintedMarks().Of(TQBMarkKind::Error).empty());

  // Exclusions: the text hides what matches, Enter keeps it as a chip.
  Box().TextField()->clear();
  Box().findChild<QToolButton*>("btnQuickExclude")->click();
  Type("heartbeat");
  EXPECT_EQ(View().GetCount(), 180);
  QTest::keyClick(Box().TextField(), Qt::Key_Return);
  auto* chip = Box().findChild<QToolButton*>("btnQuickExclusion");
  ASSERT_NE(chip, nullptr);
  EXPECT_EQ(chip->accessibleName(), "exclude 'heartbeat'");
  EXPECT_TRUE(Box().TextField()->text().isEmpty());
  Window->QuickFilter().Finish();
  EXPECT_EQ(View().GetCount(), 180);
  chip->click();
  Window->QuickFilter().Finish();
  EXPECT_EQ(View().GetCount(), 200);

  // Enter makes a view of the text; the view it leaves gets all its rows back.
  Box().findChild<QToolButton*>("btnQuickExclude")->click();
  Type("needle");
  const int views = Window->Views().Count();
  QTest::keyClick(Box().TextField(), Qt::Key_Return);
  ASSERT_EQ(Window->Views().Count(), views + 1);
  EXPECT_EQ(View().GetViewName(), "Text=needle");
  EXPECT_EQ(View().GetCount(), 2);
  EXPECT_TRUE(Box().TextField()->text().isEmpty());
  EXPECT_EQ(qobject_cast<TQBMessageView*>(Window->Views().At(0).Object)->GetCount(), 200);

  // Esc clears the box and gives the list the keyboard.
  Type("disk");
  EXPECT_EQ(View().GetCount(), 2);
  QTest::keyClick(Box().TextField(), Qt::Key_Escape);
  EXPECT_TRUE(Box().TextField()->text().isEmpty());
  EXPECT_EQ(View().GetCount(), 2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return View().hasFocus(); }, 5000));
}

}  // namespace
