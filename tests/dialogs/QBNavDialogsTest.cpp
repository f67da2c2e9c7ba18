// The navigation dialogs: the exclusive grid of the navigation message dialog and the threshold dialog.

#include "dialogs/QBSelectNavMsgForm.h"
#include "dialogs/QBTimeDiffNavForm.h"
#include "dialogs/QBTypeButtons.h"
#include "support/QBModalAnswer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>

namespace {

using qbtest::AnswerModal;

TEST(SelectNavMsgTest, FortyButtonsInFiveRowsOfEightWithTheirHints) {
  TFrmSelectNavMsg dialog;
  EXPECT_EQ(dialog.windowTitle(), "Select Navigation Message");
  EXPECT_EQ(dialog.AutomaticBox()->text(), "Automatic Mode");
  const QList<QToolButton*> buttons = dialog.findChildren<QToolButton*>();
  EXPECT_EQ(buttons.size(), 40);
  std::set<std::pair<int, int>> cells;
  for (const TQBTypeButton& b : qbtypebuttons::Buttons()) cells.insert({b.Row, b.Column});
  EXPECT_EQ(cells.size(), 40u);
  struct TCase {
    const char* Button;
    const char* Hint;
  } cases[] = {{"btnInfo", "Info Messages"},       {"btnRegistry", "Registry Entries"},
               {"btnSeparator", "Separators"},      {"btnInactiveSeparator", "Inactive Separators"},
               {"btnResetSeparator", "Reset Indent Separators"},
               {"btnAppStartSeparator", "Application Start Separators"},
               {"btnCustom", "Custom Messages"},    {"btnEnterMethod", "Enter Methods"}};
  for (const TCase& c : cases) {
    auto* button = dialog.findChild<QToolButton*>(c.Button);
    ASSERT_NE(button, nullptr) << c.Button;
    EXPECT_EQ(button->toolTip(), c.Hint);
    EXPECT_FALSE(button->icon().isNull()) << c.Button;
  }
}

TEST(SelectNavMsgTest, OpensOnTheKindsButtonAndReturnsThePressedOne) {
  struct TCase {
    int32_t Kind;
    const char* Pressed;  // nullptr: none
    int32_t Result;
  } cases[] = {{2, "btnError", 2},     {100, "btnCustom", 100}, {150, "btnCustom", 100},
               {39, "btnResetSeparator", 39}, {7, nullptr, 0}, {-3, nullptr, 0}};
  TFrmSelectNavMsg dialog;
  dialog.show();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Kind);
    dialog.Load(true, c.Kind);
    QStringList pressed;
    for (QToolButton* b : dialog.findChildren<QToolButton*>())
      if (b->isChecked()) pressed << b->objectName();
    EXPECT_EQ(pressed, c.Pressed ? QStringList{c.Pressed} : QStringList());
    EXPECT_EQ(dialog.Kind(), c.Result);
  }
  // Pressing one raises the others; clicking the pressed one keeps it down.
  dialog.Load(false, 3);
  QToolButton* warning = dialog.findChild<QToolButton*>("btnWarning");
  QTest::mouseClick(warning, Qt::LeftButton);
  QTest::mouseClick(warning, Qt::LeftButton);
  EXPECT_TRUE(warning->isChecked());
  EXPECT_FALSE(dialog.findChild<QToolButton*>("btnCheckPoint")->isChecked());
  EXPECT_EQ(dialog.Kind(), 1);
}

TEST(SelectNavMsgTest, ExecuteHandsBackBothValuesOnOkOnly) {
  QWidget window;
  window.show();
  bool automatic = true;
  int32_t kind = 3;
  {
    auto answer = AnswerModal<TFrmSelectNavMsg>([](TFrmSelectNavMsg& d) {
      d.findChild<QCheckBox*>("chkAutomatic")->click();
      d.findChild<QToolButton*>("btnStackTrace")->click();
      d.findChild<QPushButton*>("btnOK")->click();
    });
    EXPECT_TRUE(TFrmSelectNavMsg::Execute(&window, automatic, kind));
  }
  EXPECT_FALSE(automatic);
  EXPECT_EQ(kind, 36);
  auto answer = AnswerModal<TFrmSelectNavMsg>([](TFrmSelectNavMsg& d) {
    d.findChild<QToolButton*>("btnInfo")->click();
    d.findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_FALSE(TFrmSelectNavMsg::Execute(&window, automatic, kind));
  EXPECT_EQ(kind, 36);
}

TEST(TimeDiffNavTest, RangeStepsAndTypedValues) {
  TFrmTimeDiffNav dialog(1500);
  EXPECT_EQ(dialog.windowTitle(), "Quillbox Viewer");
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  QSpinBox* field = dialog.Field();
  EXPECT_EQ(field->value(), 1500);
  EXPECT_EQ(field->minimum(), 1000);
  EXPECT_EQ(field->maximum(), 60000);
  dialog.show();
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Up);
  EXPECT_EQ(field->value(), 2000);
  QTest::keyClick(field, Qt::Key_PageUp);
  EXPECT_EQ(field->value(), 3000);
  QTest::keyClick(field, Qt::Key_PageDown);
  EXPECT_EQ(field->value(), 2000);

  struct TCase {
    const char* Typed;
    bool Read;
    int32_t Threshold;
  } cases[] = {{"2500", true, 2500}, {"200", true, 1000}, {"", false, 0}, {"60000", true, 60000}};
  for (const TCase& c : cases) {
    field->findChild<QLineEdit*>()->setText(c.Typed);
    int32_t threshold = 0;
    EXPECT_EQ(dialog.ReadThreshold(threshold), c.Read) << c.Typed;
    if (c.Read) {
      EXPECT_EQ(threshold, c.Threshold) << c.Typed;
    }
  }
}

TEST(TimeDiffNavTest, ExecuteAcceptsOnlyOkWithANumber) {
  QWidget view;
  view.show();
  struct TCase {
    const char* Typed;
    const char* Button;
    bool Accepted;
    int32_t After;
  } cases[] = {{"200", "btnOK", true, 1000}, {"4500", "btnCancel", false, 1000}, {"", "btnOK", false, 1000},
               {"4500", "btnOK", true, 4500}};
  int32_t threshold = 1000;
  for (const TCase& c : cases) {
    bool accepted;
    {
      auto answer = AnswerModal<TFrmTimeDiffNav>([&](TFrmTimeDiffNav& d) {
        d.findChild<QSpinBox*>("edtThreshold")->findChild<QLineEdit*>()->setText(c.Typed);
        d.findChild<QPushButton*>(c.Button)->click();
      });
      accepted = TFrmTimeDiffNav::Execute(&view, threshold);
    }
    EXPECT_EQ(accepted, c.Accepted) << c.Typed;
    EXPECT_EQ(threshold, c.After) << c.Typed;
  }
}

}  // namespace
