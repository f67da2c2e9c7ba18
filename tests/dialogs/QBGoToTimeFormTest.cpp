// The Go to Time dialog: the time stamp it starts at and hands back, to the millisecond, and the
// conversions between the log's time stamps and the field's date and time.

#include "dialogs/QBGoToTimeForm.h"
#include "model/QBTimeStamp.h"
#include "support/QBModalAnswer.h"

#include "view/QBTimeText.h"
#include "view/QBTypedTime.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int32_t kDay = 738886;  // 1 January 2024

TEST(GoToTimeForm, StartsAtTheTimeStampAndHandsBackTheChosenOneToTheMillisecond) {
  TQBTimeStamp value{12 * 3600000 + 34 * 60000 + 56789, kDay};
  {
    const auto answer = qbtest::AnswerModal<TFrmGoToTime>([](TFrmGoToTime& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Go to Time");
      EXPECT_EQ(dialog.TimeEdit()->objectName(), "dtpTime");
      EXPECT_EQ(dialog.TimeEdit()->text(), "2024-01-01 12:34:56.789");
      EXPECT_EQ(dialog.TimeEdit()->selectedText(), dialog.TimeEdit()->text()) << "typing replaces the whole field";
      dialog.TimeEdit()->deselect();
      QTest::keyClick(dialog.TimeEdit(), Qt::Key_A, Qt::ControlModifier);
      EXPECT_EQ(dialog.TimeEdit()->selectedText(), dialog.TimeEdit()->text()) << "Ctrl+A selects the whole field";
      dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
      EXPECT_FALSE(dialog.isVisible()) << "OK closes the dialog";
    });
    ASSERT_TRUE(TFrmGoToTime::Execute(nullptr, value));
    EXPECT_EQ(value, (TQBTimeStamp{12 * 3600000 + 34 * 60000 + 56789, kDay}));
  }
  const auto answer = qbtest::AnswerModal<TFrmGoToTime>([](TFrmGoToTime& dialog) {
    dialog.TimeEdit()->setText(QStringLiteral("2024-01-01 12:35:56.789"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    EXPECT_FALSE(dialog.isVisible()) << "Cancel closes the dialog";
  });
  const TQBTimeStamp before = value;
  EXPECT_FALSE(TFrmGoToTime::Execute(nullptr, value));
  EXPECT_EQ(value, before);
}

// Types text into the dialog's field as a person does (Ctrl+A first, so it replaces what is there)
// and presses OK.
void TypeAndConfirm(TFrmGoToTime& dialog, const QString& text) {
  QWidget* field = dialog.TimeEdit();
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  // Keys for ASCII; what else a locale writes (its own digits, say) comes as an input method's text.
  if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 128; })) {
    QTest::keyClicks(field, text);
  } else {
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(field, &typed);
  }
  dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
}

constexpr int32_t kMarch4 = kDay + 31 + 29 + 3;  // 4 March 2024
constexpr int32_t kTyped = 8 * 3600000 + 5 * 60000 + 13944;  // 08:05:13.944

TEST(GoToTimeForm, TakesATimeStampTypedOrPastedAsTheViewerShowsIt) {
  const struct {
    QString Text;
    TQBTimeStamp Stamp;
  } cases[] = {
      {QStringLiteral("2024-03-04 08:05:13.944"), {kTyped, kMarch4}},  // as the field shows it
      {QStringLiteral("2024-03-04T08:05:13.944"), {kTyped, kMarch4}},
      {QStringLiteral("  2024-3-4   8:05:13.944 "), {kTyped, kMarch4}},
      // The Date and Time Stamp columns' texts; a time alone keeps the day the dialog started at.
      {qbtimetext::ShortDate(kMarch4) + QStringLiteral(" ") + qbtimetext::TimeOfDay(kTyped), {kTyped, kMarch4}},
      {qbtimetext::TimeOfDay(kTyped), {kTyped, kDay}},
      {QStringLiteral("8:05"), {8 * 3600000 + 5 * 60000, kDay}},
      {QStringLiteral("8:05:13.9"), {8 * 3600000 + 5 * 60000 + 13900, kDay}},
      // The end of a day, as the field shows a record that holds it, is the next day's start.
      {QStringLiteral("2024-03-04 24:00:00.000"), {0, kMarch4 + 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    TQBTimeStamp value{0, kDay};
    const auto answer = qbtest::AnswerModal<TFrmGoToTime>([&](TFrmGoToTime& dialog) { TypeAndConfirm(dialog, c.Text); });
    ASSERT_TRUE(TFrmGoToTime::Execute(nullptr, value));
    EXPECT_EQ(value, c.Stamp);
  }
  // Pasted over the selected field.
  QGuiApplication::clipboard()->setText(QStringLiteral("2024-03-04 08:05:13.944"));
  TQBTimeStamp value{0, kDay};
  const auto answer = qbtest::AnswerModal<TFrmGoToTime>([](TFrmGoToTime& dialog) {
    QWidget* field = dialog.TimeEdit();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
  });
  ASSERT_TRUE(TFrmGoToTime::Execute(nullptr, value));
  EXPECT_EQ(value, (TQBTimeStamp{kTyped, kMarch4}));
}

TEST(GoToTimeForm, RefusesATextItCannotReadWithAMessageInTheDialog) {
  for (const char* text : {"yesterday", "2024-03-04 25:00", "2024-02-30 08:00", "08:61", "1990-01-01 08:00", "8", " "}) {
    SCOPED_TRACE(text);
    TQBTimeStamp value{0, kDay};
    const auto answer = qbtest::AnswerModal<TFrmGoToTime>([&](TFrmGoToTime& dialog) {
      TypeAndConfirm(dialog, QString::fromLatin1(text));
      EXPECT_TRUE(dialog.isVisible()) << "OK keeps the dialog open";
      const QLabel* error = dialog.findChild<QLabel*>(QStringLiteral("lblTimeError"));
      ASSERT_NE(error, nullptr);
      EXPECT_TRUE(error->isVisible());
      EXPECT_TRUE(error->text().contains(QStringLiteral("2024-03-04 08:05:13.944"))) << error->text().toStdString();
      // Typing again takes the message away.
      QTest::keyClicks(dialog.TimeEdit(), QStringLiteral("1"));
      EXPECT_FALSE(error->isVisible());
      dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    EXPECT_FALSE(TFrmGoToTime::Execute(nullptr, value));
    EXPECT_EQ(value, (TQBTimeStamp{0, kDay}));
  }
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
