// The timeline panel in the main window: the command and its setting, the counts of the current view,
// a click that goes to a bucket's first message, a drag that makes a view of its time range, and the
// counts following messages as they arrive.

#include "QBViewerWindowFixture.h"

#include "model/QBMessageTypes.h"
#include "window/QBMainLayout.h"
#include "window/areas/QBTimelinePanel.h"

#include <QAction>

using namespace qbtest;

namespace {

class WindowTimeline : public TViewerWindowTest {
protected:
  // One message per entry: its type and the seconds after 23:59:00 on kDay (past midnight from 60 on).
  void Open(std::initializer_list<std::pair<int32_t, int32_t>> messages) {
    QByteArray bytes;
    for (const auto& [type, seconds] : messages) bytes += MarkedRecord(At(type, seconds));
    ASSERT_TRUE(Window->LoadFile(Files.Write(QStringLiteral("timeline.qbl"), bytes), false));
  }
  static TQBRawMessage At(int32_t type, int32_t seconds) {
    TQBRawMessage m = Message(type, "message");
    const int64_t ms = (int64_t(23 * 3600 + 59 * 60) + seconds) * 1000;
    m.Date = kDay + int32_t(ms / 86400000);
    m.Time = int32_t(ms % 86400000);
    return m;
  }
  TQBTimelinePanel& Panel() { return *Window->Layout().Timeline(); }
};

TEST_F(WindowTimeline, IsOffUntilShownAndItsSettingLastsBeyondTheSession) {
  Create();
  EXPECT_FALSE(Panel().isVisible());
  EXPECT_EQ(Panel().accessibleName(), "Timeline");
  EXPECT_EQ(Panel().objectName(), "pnlTimeline");
  QAction* toggle = Window->Action(TQBCmd::ViewTimeline);
  EXPECT_EQ(toggle->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
  EXPECT_FALSE(toggle->isChecked());
  Trigger(TQBCmd::ViewTimeline);
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_TRUE(toggle->isChecked());
  EndSession();
  Create();
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_TRUE(Window->Action(TQBCmd::ViewTimeline)->isChecked());
}

TEST_F(WindowTimeline, CountsTheViewAClickGoesToABucketAndADragMakesAViewOfItsRange) {
  Create();
  Trigger(TQBCmd::ViewTimeline);
  // Two minutes across midnight: errors and warnings among the rest.
  Open({{qbmInfo, 0}, {qbmError, 10}, {qbmWarning, 30}, {qbmInfo, 61}, {qbmException, 70}, {qbmInfo, 119}});
  Panel().Refresh();
  ASSERT_NE(Panel().Counts(), nullptr);
  const qbtimeline::TQBHistogram& h = Panel().Counts()->Histogram();
  ASSERT_FALSE(h.Empty());
  EXPECT_TRUE(Panel().accessibleDescription().startsWith("6 messages, 2 errors, 1 warning"))
      << Panel().accessibleDescription().toStdString();

  // A click on the bucket of 00:00:01 (61 s) focuses the first message at or after its start.
  const int64_t bucket = h.BucketOf(qbtimeline::InstantOf({At(0, 61).Time, At(0, 61).Date}));
  ASSERT_GE(bucket, 0);
  int x = -1;
  for (int px = 0; px < Panel().width() && x < 0; ++px)
    if (Panel().BucketAt(px) == bucket) x = px;
  ASSERT_GE(x, 0);
  QTest::mouseClick(&Panel(), Qt::LeftButton, {}, QPoint(x, Panel().height() / 2));
  EXPECT_EQ(View().GetItemIndex(), 3);

  // The buckets from midnight to the end, as a drag selects them, become a view of their own.
  EXPECT_FALSE(Panel().NewViewAction()->isEnabled());
  const int64_t midnight = h.BucketOf(qbtimeline::InstantOf({0, kDay + 1}));
  Panel().SelectBuckets(h.BucketCount() - 1, midnight);
  ASSERT_TRUE(Panel().NewViewAction()->isEnabled());
  Panel().NewViewAction()->trigger();
  ASSERT_EQ(Window->Views().Count(), 2);
  const TQBViewBinding& made = Window->CurrentView();
  EXPECT_TRUE(made.View->GetViewName().startsWith("Time=00:00:00-00:0")) << made.View->GetViewName().toStdString();
  TQBFilterCriteria criteria;
  made.List->GetFilterCriteria(criteria);
  EXPECT_TRUE(criteria.CheckTimeRange);
  EXPECT_EQ(criteria.TimeRange.From, (TQBTimeStamp{0, kDay + 1}));
  EXPECT_EQ(made.View->GetCount(), 3) << "the messages from midnight on";
  Panel().Refresh();
  EXPECT_TRUE(Panel().accessibleDescription().startsWith("3 messages, 1 error, 0 warnings")) << "it follows the current view";
}

// Without a mouse: the panel takes the keyboard, End and Enter go to the last bucket's first message,
// Shift+Home selects every bucket and the menu's command makes a view of them all.
TEST_F(WindowTimeline, TheKeyboardMovesABucketCursorGoesThereAndSelectsARange) {
  Create();
  Trigger(TQBCmd::ViewTimeline);
  Open({{qbmInfo, 0}, {qbmError, 10}, {qbmWarning, 30}, {qbmInfo, 61}, {qbmException, 70}, {qbmInfo, 119}});
  Panel().Refresh();
  EXPECT_NE(Panel().focusPolicy() & Qt::TabFocus, 0);
  Panel().setFocus();
  QTest::keyClick(&Panel(), Qt::Key_End);
  QTest::keyClick(&Panel(), Qt::Key_Return);
  EXPECT_EQ(View().GetItemIndex(), 5);
  QTest::keyClick(&Panel(), Qt::Key_Home);
  QTest::keyClick(&Panel(), Qt::Key_Right);
  QTest::keyClick(&Panel(), Qt::Key_Enter);
  EXPECT_EQ(View().GetItemIndex(), 1) << "the second bucket starts at the error";
  EXPECT_FALSE(Panel().NewViewAction()->isEnabled());
  QTest::keyClick(&Panel(), Qt::Key_End);
  QTest::keyClick(&Panel(), Qt::Key_Home, Qt::ShiftModifier);
  ASSERT_TRUE(Panel().Selection());
  ASSERT_TRUE(Panel().NewViewAction()->isEnabled());
  Panel().NewViewAction()->trigger();
  ASSERT_EQ(Window->Views().Count(), 2);
  EXPECT_EQ(Window->CurrentView().View->GetCount(), 6);
}

TEST_F(WindowTimeline, MessagesThatArriveAreAddedToTheCounts) {
  Create();
  Trigger(TQBCmd::ViewTimeline);
  Open({{qbmInfo, 0}, {qbmInfo, 1}});
  Panel().Refresh();
  for (int32_t s : {2, 3, 4}) {
    const TQBRawMessage m = At(qbmWarning, s);
    Window->Adder().AddMessage(m);
  }
  Panel().Refresh();
  EXPECT_TRUE(Panel().accessibleDescription().startsWith("5 messages, 0 errors, 3 warnings"))
      << Panel().accessibleDescription().toStdString();
}

}  // namespace
