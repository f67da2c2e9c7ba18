// The Go to Time dialog: the time stamp it starts at and hands back, to the millisecond, and the
// conversions between the log's time stamps and the field's date and time.

#include "dialogs/QBGoToTimeForm.h"
#include "model/QBTimeStamp.h"
#include "support/QBModalAnswer.h"

#include <QDateTimeEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

constexpr int32_t kDay = 738886;  // 1 January 2024

TEST(GoToTimeForm, StartsAtTheTimeStampAndHandsBackTheChosenOneToTheMillisecond) {
  TQBTimeStamp value{12 * 3600000 + 34 * 60000 + 56789, kDay};
  {
    const auto answer = qbtest::AnswerModal<TFrmGoToTime>([](TFrmGoToTime& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Go to Time");
      EXPECT_EQ(dialog.TimeEdit()->objectName(), "dtpTime");
      EXPECT_EQ(dialog.TimeEdit()->text(), "2024-01-01 12:34:56.789");
      dialog.TimeEdit()->setDateTime(dialog.TimeEdit()->dateTime().addMSecs(1));
      dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
      EXPECT_FALSE(dialog.isVisible()) << "OK closes the dialog";
    });
    ASSERT_TRUE(TFrmGoToTime::Execute(nullptr, value));
    EXPECT_EQ(value, (TQBTimeStamp{12 * 3600000 + 34 * 60000 + 56790, kDay}));
  }
  const auto answer = qbtest::AnswerModal<TFrmGoToTime>([](TFrmGoToTime& dialog) {
    dialog.TimeEdit()->setDateTime(dialog.TimeEdit()->dateTime().addSecs(60));
    dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    EXPECT_FALSE(dialog.isVisible()) << "Cancel closes the dialog";
  });
  const TQBTimeStamp before = value;
  EXPECT_FALSE(TFrmGoToTime::Execute(nullptr, value));
  EXPECT_EQ(value, before);
}

TEST(GoToTimeForm, TimeStampsConvertBothWaysWithoutATimeZone) {
  const struct {
    TQBTimeStamp Stamp;
    const char* Text;
    TQBTimeStamp Back;
  } cases[] = {
      {{0, kDay}, "2024-01-01T00:00:00.000Z", {0, kDay}},
      {{86399999, kDay}, "2024-01-01T23:59:59.999Z", {86399999, kDay}},
      // The end of a day, which a record may hold, is the next day's start.
      {{86400000, kDay}, "2024-01-02T00:00:00.000Z", {0, kDay + 1}},
      // 31 March 2024, 02:30: a time that daylight saving skips in much of Europe.
      {{2 * 3600000 + 30 * 60000, kDay + 90}, "2024-03-31T02:30:00.000Z", {2 * 3600000 + 30 * 60000, kDay + 90}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const QDateTime dt = qbtime::DateTimeOf(c.Stamp);
    EXPECT_EQ(dt.toString(Qt::ISODateWithMs), QString::fromLatin1(c.Text));
    EXPECT_EQ(qbtime::TimeStampOf(dt), c.Back);
  }
}

}  // namespace
