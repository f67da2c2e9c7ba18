// Go to Time in the main window: the command, its shortcut, the time the dialog starts at, and the row
// it focuses in logs written in time order and out of it.

#include "QBViewerWindowFixture.h"

#include <QAction>

using namespace qbtest;

namespace {

class WindowGoToTime : public TViewerWindowTest {
protected:
  // One message per time (milliseconds after noon on kDay).
  void Open(std::initializer_list<int32_t> times) {
    QByteArray bytes;
    for (int32_t ms : times) {
      TQBRawMessage m = Message(0, "message");
      m.Time = kNoon + ms;
      bytes += MarkedRecord(m);
    }
    ASSERT_TRUE(Window->LoadFile(Files.Write(QStringLiteral("times.qbl"), bytes), false));
  }
  static TQBTimeStamp At(int32_t ms) { return {kNoon + ms, kDay}; }
};

TEST_F(WindowGoToTime, StartsAtTheFocusedMessageAndFocusesTheFirstRowAtOrAfterTheChosenTime) {
  Create();
  EXPECT_FALSE(Window->Action(TQBCmd::GoToTime)->isEnabled());
  EXPECT_EQ(Window->Action(TQBCmd::GoToTime)->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  Open({0, 100, 200, 300, 400});
  // No focused row: the dialog starts at the first row's time.
  Script.TimeAnswers = {At(150)};
  Trigger(TQBCmd::GoToTime);
  ASSERT_EQ(Script.TimesAsked.size(), 1);
  EXPECT_EQ(Script.TimesAsked.back(), At(0));
  EXPECT_EQ(View().GetItemIndex(), 2);
  // Now from the focused row; later than every message: the last row.
  Script.TimeAnswers = {At(999)};
  Trigger(TQBCmd::GoToTime);
  EXPECT_EQ(Script.TimesAsked.back(), At(200));
  EXPECT_EQ(View().GetItemIndex(), 4);
  // Cancelled: nothing moves.
  Trigger(TQBCmd::GoToTime);
  EXPECT_EQ(View().GetItemIndex(), 4);
}

TEST_F(WindowGoToTime, ALogOutOfTimeOrderGetsItsFirstRowAtOrAfterTheTime) {
  Create();
  Open({500, 300, 900, 100, 700});
  Script.TimeAnswers = {At(600)};
  Trigger(TQBCmd::GoToTime);
  EXPECT_EQ(View().GetItemIndex(), 2);
}

TEST_F(WindowGoToTime, CtrlTOpensTheDialog) {
  Create();
  Open({0, 100});
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  Script.TimeAnswers = {At(100)};
  QTest::keyClick(Window.get(), Qt::Key_T, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Script.TimesAsked.isEmpty(); }, 5000));
  EXPECT_EQ(View().GetItemIndex(), 1);
}

}  // namespace
