// The text inspectors: what each shows, its buttons, copying (selection, whole text, value), the item
// count, jump to end, user edits and the options of the settings file. Printing: QBInspectorPrintTest.cpp.

#include "QBInspectorTestSupport.h"

#include "inspectors/QBLineNumberGutter.h"
#include "inspectors/QBStringInspector.h"
#include "inspectors/QBStringListInspector.h"
#include "inspectors/QBTextControl.h"

#include <QTextBlock>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class QBTextInspectorsTest : public ::testing::Test {
protected:
  void SetUp() override { ResetStore(); }
};

// Captions of the buttons of an inspector's panel that are not hidden, left to right.
QStringList ShownButtons(const TQBStockInspector& inspector) {
  QStringList captions;
  for (QToolButton* button : inspector.ButtonPanel()->findChildren<QToolButton*>())
    if (!button->isHidden()) captions << button->toolTip();
  return captions;
}

TEST_F(QBTextInspectorsTest, EachInspectorShowsItsButtons) {
  TQBInspectorFixture<TQBStringInspector> string;
  TQBInspectorFixture<TQBTextInspector> text;
  TQBInspectorFixture<TQBMonospaceTextInspector> mono;
  TQBInspectorFixture<TQBStringListInspector> list;
  EXPECT_EQ(ShownButtons(*string.Inspector), QStringList({"Word Wrap", "Line Numbers", "Copy Value to Clipboard"}));
  EXPECT_EQ(ShownButtons(*text.Inspector), QStringList({"Word Wrap", "Line Numbers", "Jump to End on Inspect"}));
  EXPECT_EQ(ShownButtons(*mono.Inspector), QStringList({"Line Numbers"}));
  EXPECT_EQ(ShownButtons(*list.Inspector), QStringList({"Line Numbers", "Jump to End on Inspect"}));
  EXPECT_TRUE(string.Inspector->WordWrap());
  EXPECT_FALSE(text.Inspector->WordWrap());
  EXPECT_FALSE(mono.Inspector->WordWrap());
}

TEST_F(QBTextInspectorsTest, StringInspectorNormalisesTheMessageTextsLineBreaks) {
  struct TCase {
    QString Text;
    QStringList Lines;
  };
  const TCase cases[] = {
      {"a\r\n\r\n\r\nb\r\n", {"a", "b"}},
      {"\na\r\rb", {"", "a", "b"}},
      {"single", {"single"}},
      {"", {}},
  };
  TQBInspectorFixture<TQBStringInspector> f;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    f.Inspect({0, c.Text, "details are not shown"});
    EXPECT_EQ(f.Lines(), c.Lines);
  }
}

TEST_F(QBTextInspectorsTest, DetailsInspectorsShowTheDetailsAsWritten) {
  TQBInspectorFixture<TQBTextInspector> text;
  TQBInspectorFixture<TQBMonospaceTextInspector> mono;
  for (TQBStringInspector* inspector : {static_cast<TQBStringInspector*>(text.Inspector),
                                        static_cast<TQBStringInspector*>(mono.Inspector)}) {
    AddMessage({21, "text", "one\r\n\r\nthree\rfour\n"});
    inspector->Inspect();
    QStringList lines;
    inspector->GetLines(lines);
    EXPECT_EQ(lines, QStringList({"one", "", "three", "four"}));
  }
}

TEST_F(QBTextInspectorsTest, CopyValueTakesWhatFollowsTheFirstEqualsSign) {
  struct TCase {
    QString Text, Copied;
  };
  const TCase cases[] = {
      {"RetryCount = 3", "3\r\n"},
      {"no value here", "no value here\r\n"},
      {"a = b = c", "b = c\r\n"},
  };
  TQBInspectorFixture<TQBStringInspector> f;
  for (const TCase& c : cases) {
    f.Inspect({7, c.Text});
    f.Inspector->CopyValue();
    EXPECT_EQ(ClipboardText(), c.Copied);
  }
}

TEST_F(QBTextInspectorsTest, CopyTakesTheSelectionOrEveryLineUnwrapped) {
  TQBInspectorFixture<TQBTextInspector> f;
  f.Inspector->SetWordWrap(true);
  const QString longLine(300, QChar('x'));
  f.Inspect({21, "t", longLine + "\nend"});
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), longLine + "\r\nend\r\n");
  QTextCursor cursor = f.Inspector->TextControl()->textCursor();
  cursor.setPosition(1);
  cursor.setPosition(4, QTextCursor::KeepAnchor);
  f.Inspector->TextControl()->setTextCursor(cursor);
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), "xxx");
}

TEST_F(QBTextInspectorsTest, UserEditsAreCopiedUntilTheNextInspection) {
  TQBInspectorFixture<TQBTextInspector> f;
  f.Inspect({21, "t", "first"});
  f.Inspector->TextControl()->moveCursor(QTextCursor::End);
  f.Inspector->TextControl()->insertPlainText("\ntyped");
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), "first\r\ntyped\r\n");
  f.Inspect({21, "t", "second"});
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), "second\r\n");
}

TEST_F(QBTextInspectorsTest, JumpToEndPutsTheCaretOnTheLastLine) {
  TQBInspectorFixture<TQBTextInspector> f;
  f.Inspect({21, "t", "a\nb\nc"});
  EXPECT_EQ(f.Inspector->TextControl()->textCursor().blockNumber(), 0);
  f.Inspector->SetJumpToEnd(true);
  f.Inspect({21, "t", "a\nb\nc"});
  EXPECT_EQ(f.Inspector->TextControl()->textCursor().blockNumber(), 2);
  EXPECT_EQ(f.Inspector->TextControl()->textCursor().positionInBlock(), 0);
}

TEST_F(QBTextInspectorsTest, StringListStatusCountsItems) {
  struct TCase {
    QString Details, Status;
  };
  const TCase cases[] = {{"", "0 Items"}, {"one", "1 Item"}, {"one\r\ntwo\r\n", "2 Items"}};
  TQBInspectorFixture<TQBStringListInspector> f;
  for (const TCase& c : cases) {
    f.Inspect({6, "list", c.Details});
    EXPECT_EQ(f.Inspector->GetStatus(), c.Status);
  }
}

TEST_F(QBTextInspectorsTest, ButtonsApplyTheirEffectAtOnce) {
  TQBInspectorFixture<TQBStringInspector> f;
  f.Inspector->SetLineNumbers(true);
  EXPECT_TRUE(f.Inspector->TextControl()->LineNumbers());
  EXPECT_GT(f.Inspector->TextControl()->findChild<TQBLineNumberGutter*>()->width(), 0);
  f.Inspector->SetWordWrap(false);
  EXPECT_FALSE(f.Inspector->TextControl()->WordWrap());
  // A click toggles the button and applies the same effect.
  f.Inspector->ButtonPanel()->findChildren<QToolButton*>()[0]->click();
  EXPECT_TRUE(f.Inspector->WordWrap());
  EXPECT_TRUE(f.Inspector->TextControl()->WordWrap());
}

}  // namespace
