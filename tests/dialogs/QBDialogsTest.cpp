// The shared dialog look and placement, the message dialog, the jump-to and the edit message dialogs.
#include "dialogs/QBDialogLook.h"
#include "dialogs/QBEditMessageForm.h"
#include "dialogs/QBJumpToForm.h"
#include "dialogs/QBMessageDialogs.h"

#include "support/QBModalAnswer.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using qbtest::AnswerModal;

TEST(DialogPlacementTest, CentresOverTheControlAndStaysOnItsMonitor) {
  const QRect monitor(0, 0, 1280, 1024);
  struct Case { QRect Control; QSize Dialog; QPoint Expected; const char* Why; };
  for (const Case& c : {Case{{100, 100, 600, 400}, {200, 100}, {300, 250}, "centred"},
                        Case{{-50, -80, 100, 100}, {300, 200}, {0, 0}, "raised to the monitor's edges"},
                        Case{{1200, 950, 200, 200}, {300, 200}, {980, 824}, "lowered inside the right and bottom"},
                        Case{{0, 0, 100, 100}, {1400, 50}, {-120, 25}, "wider than the monitor: the right edge wins"}})
    EXPECT_EQ(qbdialogs::PlacedRect(c.Dialog, c.Control, monitor).topLeft(), c.Expected) << c.Why;
  // A monitor left of the primary one keeps the dialog on it.
  EXPECT_EQ(qbdialogs::PlacedRect({200, 100}, {-1900, 10, 100, 100}, {-1920, 0, 1920, 1080}).left(), -1920);
}

TEST(DialogLookTest, DarkensTheButtonFaceBy20OnTheLuminanceScale) {
  const QColor grey(240, 240, 240);
  const QColor darker = qbdialogs::AdjustLuminance(grey, -20);
  EXPECT_EQ(darker, QColor(219, 219, 219));
  const QColor tinted = qbdialogs::AdjustLuminance(QColor(200, 180, 160), -20);
  EXPECT_EQ(tinted.hslHue(), QColor(200, 180, 160).hslHue());
  EXPECT_LT(tinted.lightness(), QColor(200, 180, 160).lightness());
  EXPECT_EQ(qbdialogs::AdjustLuminance(Qt::black, -20), QColor(Qt::black));
}

TEST(MessageDialogTest, ShowsTheTextUnchangedAndClosesWithOK) {
  QWidget over;
  over.setGeometry(200, 150, 500, 300);
  over.show();
  for (auto show : {&ShowErrorMessage, &ShowInfoMessage}) {
    QString text, title;
    QPoint pos;
    int buttonWidth = 0;
    const auto answer = AnswerModal<TFrmDisplayMessage>([&](TFrmDisplayMessage& dialog) {
      text = dialog.Text();
      title = dialog.windowTitle();
      pos = dialog.pos();
      auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("btnOK"));
      ASSERT_NE(ok, nullptr);
      buttonWidth = ok->width();
      QTest::mouseClick(ok, Qt::LeftButton);
      EXPECT_FALSE(dialog.isVisible()) << "OK closes the dialog";
    });
    show(QStringLiteral("Search string 'a & b' not found.\rSecond line"), &over);
    EXPECT_EQ(text, "Search string 'a & b' not found.\nSecond line");
    EXPECT_EQ(title, "Quillbox Viewer");
    EXPECT_EQ(buttonWidth, qbdialogs::ButtonWidth);
    EXPECT_TRUE(QRect(over.pos(), over.size()).contains(pos));
  }
}

TEST(JumpToDialogTest, ReadsTheRowFromTheNumber) {
  struct Case { QString Text; bool Accepted; int Row; };
  for (const Case& c : {Case{"5", true, 4}, Case{"0", true, -1}, Case{"1", true, 0}, Case{"", false, 0},
                        Case{"99999999999", false, 0}, Case{"12a", false, 0}}) {
    int row = 0;
    EXPECT_EQ(TFrmJumpToMsg::RowOfText(c.Text, row), c.Accepted) << c.Text.toStdString();
    if (c.Accepted) EXPECT_EQ(row, c.Row) << c.Text.toStdString();
  }
}

TEST(JumpToDialogTest, TypingKeepsOnlyDigitsAndBeepsAtTheRest) {
  TFrmJumpToMsg dialog;
  dialog.show();
  // Keys reach the combo box (its line edit's focus proxy), which hands them to the line edit itself.
  ASSERT_EQ(dialog.JumpTo()->lineEdit()->focusProxy(), dialog.JumpTo());
  const QSignalSpy beeps(&dialog, &TFrmJumpToMsg::CharacterRefused);
  QTest::keyClicks(dialog.JumpTo(), QStringLiteral("1a2-3 x"));
  EXPECT_EQ(dialog.JumpTo()->currentText(), "123");
  EXPECT_EQ(beeps.count(), 4);
  QTest::keyClick(dialog.JumpTo(), Qt::Key_Backspace);
  EXPECT_EQ(dialog.JumpTo()->currentText(), "12");
  EXPECT_EQ(beeps.count(), 4) << "editing keys are no characters to refuse";
  // Sent to the line edit directly (as an input method may), the rule is the same.
  QTest::keyClicks(dialog.JumpTo()->lineEdit(), QStringLiteral("7x"));
  EXPECT_EQ(dialog.JumpTo()->currentText(), "127");
  EXPECT_EQ(beeps.count(), 5);
}

TEST(JumpToDialogTest, EnterConfirmsAndCancelGivesNothing) {
  int row = -5;
  {
    const auto answer = AnswerModal<TFrmJumpToMsg>([](TFrmJumpToMsg& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Quillbox Viewer");
      EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
      QTest::keyClicks(dialog.JumpTo(), QStringLiteral("1x7"));
      QTest::keyClick(dialog.JumpTo(), Qt::Key_Return);
      EXPECT_FALSE(dialog.isVisible()) << "Enter closes the dialog";
    });
    EXPECT_TRUE(TFrmJumpToMsg::Execute(nullptr, row));
    EXPECT_EQ(row, 16);
  }
  const auto answer = AnswerModal<TFrmJumpToMsg>([](TFrmJumpToMsg& dialog) {
    QTest::keyClicks(dialog.JumpTo()->lineEdit(), QStringLiteral("3"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    EXPECT_FALSE(dialog.isVisible()) << "Cancel closes the dialog";
  });
  row = -5;
  EXPECT_FALSE(TFrmJumpToMsg::Execute(nullptr, row));
  EXPECT_EQ(row, -5);
}

TEST(EditMessageDialogTest, ShowsNormalisedLineBreaksAndEnterConfirmsWithCrLf) {
  QString text = QStringLiteral("one\r\n\r\ntwo\r\n");
  QString shown;
  QFont font(QStringLiteral("DejaVu Sans Mono"), 11);
  {
    const auto answer = AnswerModal<TFrmEditMessage>([&](TFrmEditMessage& dialog) {
      shown = dialog.MsgText();
      EXPECT_EQ(dialog.Editor()->font().family(), font.family());
      dialog.Editor()->setPlainText(QStringLiteral("edited\nagain"));
      QTest::keyClick(dialog.Editor(), Qt::Key_Return);
      EXPECT_FALSE(dialog.isVisible()) << "Enter closes the dialog";
    });
    EXPECT_TRUE(TFrmEditMessage::Execute(nullptr, font, QRect(10, 10, 300, 0), 2000, text));
    EXPECT_EQ(shown, "one\r\ntwo");
    EXPECT_EQ(text, "edited\r\nagain");
  }
  const auto answer = AnswerModal<TFrmEditMessage>([](TFrmEditMessage& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("btnReject"))->click();
    EXPECT_FALSE(dialog.isVisible()) << "the reject button closes the dialog";
  });
  EXPECT_FALSE(TFrmEditMessage::Execute(nullptr, font, QRect(10, 10, 300, 0), 2000, text));
  EXPECT_EQ(text, "edited\r\nagain");
}

TEST(EditMessageDialogTest, IsKeptAboveTheViewsBottomEdge) {
  EXPECT_EQ(TFrmEditMessage::PlacedRect(QRect(10, 100, 200, 0), 82, 500), QRect(10, 100, 200, 82));
  EXPECT_EQ(TFrmEditMessage::PlacedRect(QRect(10, 450, 200, 0), 82, 500), QRect(10, 418, 200, 82));
}

}  // namespace
