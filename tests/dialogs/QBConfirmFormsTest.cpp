// The look of the Yes/No/Cancel question and the invalid-log report in the common look of the message dialogs.

#include "support/QBChild.h"
#include "support/QBModalAnswer.h"

#include "dialogs/QBConfirmDialogs.h"
#include "dialogs/QBDialogLook.h"
#include "dialogs/QBQuestionDialogs.h"
#include "dialogs/QBShortenPath.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using qbtest::Child;
using qbtest::AnswerModal;

// What every message dialog shares: caption, colour, a 32-pixel icon, 80-pixel buttons, a fixed size.
void ExpectCommonLook(QWidget* d) {
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Quillbox Viewer"));
  EXPECT_EQ(d->palette().color(QPalette::Window), qbdialogs::DialogColor());
  EXPECT_EQ(Child<QLabel>(d, "imgIcon")->size(), QSize(32, 32));
  for (QPushButton* b : d->findChildren<QPushButton*>()) EXPECT_EQ(b->width(), qbdialogs::ButtonWidth);
  EXPECT_EQ(d->minimumSize(), d->maximumSize()) << "not resizable";
}

TEST(YesNoCancel, EachButtonEscapeAndTheCloseBoxGiveTheirAnswer) {
  const struct {
    const char* Why;
    std::function<void(QWidget*)> Answer;
    int Expected;
  } cases[] = {
      {"Yes", [](QWidget* d) { QTest::mouseClick(Child<QPushButton>(d, "btnYes"), Qt::LeftButton); }, 6},
      {"No", [](QWidget* d) { QTest::mouseClick(Child<QPushButton>(d, "btnNo"), Qt::LeftButton); }, 7},
      {"Cancel", [](QWidget* d) { QTest::mouseClick(Child<QPushButton>(d, "btnCancel"), Qt::LeftButton); }, 2},
      {"Escape", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }, 2},
      {"close box", [](QWidget* d) { d->close(); }, 2},
      {"Enter takes the default", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); }, 6},
  };
  for (const auto& c : cases) {
    auto answer = AnswerModal<TFrmYesNoCancel>([&](TFrmYesNoCancel& d) {
      ExpectCommonLook(&d);
      EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
      EXPECT_EQ(d.Text(), QStringLiteral("Save?\n\nReally?"));
      c.Answer(&d);
    });
    EXPECT_EQ(AskYesNoCancel(nullptr, QStringLiteral("Save?\r\rReally?")), c.Expected) << c.Why;
  }
}

TEST(InvalidLog, BothReportsNameTheFileShortenedToTheTextArea) {
  const QString longPath = QStringLiteral("/home/someone/with/a/really/long/folder/chain/that/goes/on/and/on/trace.qbl");
  QString shown;
  {
    auto answer = AnswerModal<TFrmInvalidLog>([&](TFrmInvalidLog& d) {
      ExpectCommonLook(&d);
      shown = d.Text();
      QTest::mouseClick(Child<QPushButton>(&d, "btnOK"), Qt::LeftButton);
    });
    ReportInvalidLog(longPath, nullptr);
  }
  const QString shortPath = QBShortenPath(longPath, qbdialogs::DialogFont(), TFrmInvalidLog::TextWidth);
  EXPECT_NE(shortPath, longPath);
  EXPECT_TRUE(shortPath.endsWith(QStringLiteral("/trace.qbl")));
  EXPECT_EQ(shown, QString(InvalidLogText(shortPath)).replace(QLatin1Char('\r'), QLatin1Char('\n')));
  {
    auto answer = AnswerModal<TFrmInvalidLog>([&](TFrmInvalidLog& d) {
      shown = d.Text();
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    ReportSaveFailure(42, QStringLiteral("/tmp/a.qbl"), nullptr);
  }
  EXPECT_TRUE(shown.startsWith(QStringLiteral("Message #42 could not be saved to the log file:\n/tmp/a.qbl\n\n")));
}

}  // namespace
