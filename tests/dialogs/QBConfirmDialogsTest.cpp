// The clear confirmations: their texts, the "Clear ALL Views" box and what they answer.

#include "dialogs/QBConfirmClearBookmarksForm.h"
#include "dialogs/QBConfirmClearViewForm.h"
#include "support/QBModalAnswer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using qbtest::AnswerModal;

TEST(ConfirmClearViewTest, TextAndBoxFollowTheCallersRequest) {
  struct TCase {
    bool All;
    int Views;
    const char* Text;
    bool BoxShown, BoxTicked;
  } cases[] = {
      {false, 1, "Clear All Messages from the Current View?", false, false},
      {false, 3, "Clear All Messages from the Current View?", true, false},
      {true, 3, "Clear All Messages from ALL Views?", false, true},
      {true, 1, "Clear All Messages from ALL Views?", false, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.All << " " << c.Views);
    TFrmConfirmClearView dialog(c.All, c.Views);
    EXPECT_EQ(dialog.Text(), c.Text);
    EXPECT_EQ(dialog.ClearAllBox()->isVisibleTo(&dialog), c.BoxShown);
    EXPECT_EQ(dialog.ClearAllBox()->isChecked(), c.BoxTicked);
    EXPECT_EQ(dialog.ClearAllBox()->text(), "&Clear ALL Views");
    EXPECT_EQ(dialog.windowTitle(), "Quillbox Viewer");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  }
}

TEST(ConfirmClearViewTest, TickingTheBoxClearsAllViewsAndNoAnswersFalse) {
  QWidget area;
  area.resize(400, 300);
  area.show();
  struct TCase {
    bool Tick;
    const char* Button;
    bool Yes, All;
  } cases[] = {{true, "btnYes", true, true}, {false, "btnYes", true, false}, {true, "btnNo", false, true}};
  for (const TCase& c : cases) {
    bool all = false;
    bool yes = !c.Yes;
    {
      auto answer = AnswerModal<TFrmConfirmClearView>([&](TFrmConfirmClearView& d) {
        if (c.Tick) d.findChild<QCheckBox*>("chkClearAll")->click();
        d.findChild<QPushButton*>(c.Button)->click();
      });
      yes = ConfirmClearView(&area, 3, all);
    }
    EXPECT_EQ(yes, c.Yes);
    EXPECT_EQ(all, c.All);
  }
  // Asked for all views, the answer keeps all.
  bool all = true;
  auto answer = AnswerModal<TFrmConfirmClearView>(
      [](TFrmConfirmClearView& d) { d.findChild<QPushButton*>("btnYes")->click(); });
  EXPECT_TRUE(ConfirmClearView(&area, 2, all));
  EXPECT_TRUE(all);
}

TEST(ConfirmClearBookmarksTest, AsksItsQuestion) {
  QWidget area;
  area.show();
  for (const char* button : {"btnYes", "btnNo"}) {
    QString text;
    bool yes;
    {
      auto answer = AnswerModal<TFrmConfirmClearBookmarks>([&](TFrmConfirmClearBookmarks& d) {
        text = d.findChild<QLabel*>("lblMessage")->text();
        d.findChild<QPushButton*>(button)->click();
      });
      yes = ConfirmClearBookmarks(&area);
    }
    EXPECT_EQ(text, "Remove All bookmarks from the the current view?");
    EXPECT_EQ(yes, QByteArray(button) == "btnYes");
  }
}

}  // namespace
