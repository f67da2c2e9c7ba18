// The virtual list box driven by real key, mouse and wheel events, offscreen.
#include "view/widgets/QBVList.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <set>
#include <stdexcept>

namespace {

// The owner's side of selection, kept as a set so it does not grow with the row count.
struct TSelection : IQBListSelectionTarget {
  std::set<int> Rows;
  bool All = false;
  void SelectRequest(int row, bool selected) override {
    if (row == -1) {
      Rows.clear();
      All = selected;
    } else if (selected != IsSelectedQuery(row)) {
      if (All) All = false;
      selected ? (void)Rows.insert(row) : (void)Rows.erase(row);
    }
  }
  bool IsSelectedQuery(int row) const override { return All || Rows.count(row) != 0; }
};

// A list that counts the rows it was asked to fetch.
class TCountingList : public TQBVirtualListBox {
public:
  using TQBVirtualListBox::TQBVirtualListBox;
  mutable int Fetches = 0;

protected:
  QString DoGetItem(int index) const override {
    ++Fetches;
    return QString::number(index);
  }
};

// A shown list of 20 page rows of 10 pixels, no header, no frame.
class VListTest : public ::testing::Test {
protected:
  void SetUp() override {
    List.SetSelectionTarget(&Sel);
    List.SetBorderStyle(TQBCustomVirtualListBox::TBorderStyle::None);
    List.SetRowHeight(10);
    List.resize(300, 200);
    List.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&List));
    List.setFocus();
  }
  void Fill(int n, int current = -1) {
    List.SetNumItems(n);
    if (current >= 0) List.SetItemIndex(current);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&List, key, mods); }
  QPoint RowPoint(int line) const { return {20, line * 10 + 5}; }
  void Click(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(List.viewport(), b, mods, p);
  }
  void Wheel(int delta) {
    QWheelEvent ev(QPointF(20, 20), List.viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, delta),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(List.viewport(), &ev);
  }

  TSelection Sel;
  TCountingList List;
};

TEST_F(VListTest, PageRowsFollowTheHeightAndTheHeader) {
  EXPECT_EQ(List.PageRows(), 20);
  List.SetShowHeader(true);
  EXPECT_EQ(List.PageRows(), 19);
  List.resize(300, 5);
  EXPECT_EQ(List.PageRows(), 1);
}

TEST_F(VListTest, EmptyListIgnoresKeysAndClicks) {
  Fill(0);
  QSignalSpy clicks(&List, &TQBCustomVirtualListBox::clicked);
  for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home}) Key(k);
  Key(Qt::Key_End, Qt::ControlModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Click(RowPoint(0));
  Click(RowPoint(0), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(List.ItemIndex(), -1);
  EXPECT_EQ(List.TopIndex(), 0);
  EXPECT_EQ(List.HorzPosition(), 0);
  EXPECT_TRUE(Sel.Rows.empty());
  EXPECT_EQ(clicks.count(), 0);
  List.Fetches = 0;
  List.grab();
  EXPECT_EQ(List.Fetches, 0);
}

TEST_F(VListTest, ScrollBarIsScaledAboveTheSixteenBitRange) {
  struct Case { int Rows; int Range; int Maximum; bool Scaled; };
  for (const Case& c : {Case{100000, 16384, 16403, true}, Case{32767, 32767, 32766, false},
                        Case{32768, 16384, 16403, true}, Case{10, 0, 0, false}}) {
    SCOPED_TRACE(c.Rows);
    Fill(c.Rows);
    EXPECT_EQ(List.VScroll().Range, c.Range);
    EXPECT_EQ(List.VScroll().Maximum, c.Maximum);
    EXPECT_EQ(List.VScroll().Scaled(), c.Scaled);
    if (c.Range > 0) EXPECT_EQ(List.VScroll().PageStep, 20);
  }
  // Rows added inside an update bracket reach the scroll bar when the bracket closes.
  List.BeginUpdate();
  Fill(100000);
  List.EndUpdate();
  EXPECT_EQ(List.verticalScrollBar()->maximum(), 16384);
  EXPECT_EQ(List.verticalScrollBar()->pageStep(), 20);
}

TEST_F(VListTest, ThumbDraggedToTheEndShowsTheLastPage) {
  Fill(100000);
  QScrollBar* bar = List.verticalScrollBar();
  EXPECT_EQ(bar->maximum(), 16384);
  bar->setSliderDown(true);
  bar->setSliderPosition(bar->maximum());
  bar->setSliderDown(false);
  EXPECT_EQ(List.TopIndex(), 99980);
  bar->setSliderDown(true);
  bar->setSliderPosition(8192);
  bar->setSliderDown(false);
  EXPECT_EQ(List.TopIndex(), 50000);
  EXPECT_EQ(bar->value(), List.VScroll().Position);
}

TEST_F(VListTest, ShrinkingBelowTheTopRowShowsTheLastPageAndClearsTheCurrentRow) {
  Fill(1000, 900);
  List.SetTopIndex(890);
  List.SetNumItems(500);
  EXPECT_EQ(List.TopIndex(), 480);
  EXPECT_EQ(List.ItemIndex(), -1);
  List.SetNumItems(5);
  EXPECT_EQ(List.TopIndex(), 0);
  List.SetNumItems(0);
  EXPECT_EQ(List.TopIndex(), 0);
}

TEST_F(VListTest, PageKeysStopAtTheEnds) {
  struct Case { int From; Qt::Key Key; int To; };
  for (const Case& c : {Case{0, Qt::Key_PageDown, 19}, Case{90, Qt::Key_PageDown, 99}, Case{85, Qt::Key_PageDown, 99},
                        Case{80, Qt::Key_PageDown, 99}, Case{10, Qt::Key_PageUp, 0}, Case{30, Qt::Key_PageUp, 11},
                        Case{0, Qt::Key_PageUp, 0}, Case{99, Qt::Key_PageDown, 99}}) {
    SCOPED_TRACE(c.From);
    Fill(100);
    List.SetItemIndex(c.From);
    Key(c.Key);
    EXPECT_EQ(List.ItemIndex(), c.To);
    EXPECT_TRUE(List.ItemIndex() >= List.TopIndex() && List.ItemIndex() < List.TopIndex() + 20);
    List.SetNumItems(0);
  }
}

TEST_F(VListTest, ArrowAndCtrlKeysMoveTheCurrentRowAndTheSelection) {
  Fill(100, 5);
  Key(Qt::Key_Down);
  EXPECT_EQ(List.ItemIndex(), 6);
  EXPECT_EQ(Sel.Rows, (std::set<int>{6}));
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(List.ItemIndex(), 99);
  EXPECT_EQ(List.TopIndex(), 80);
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(List.ItemIndex(), 0);
  Key(Qt::Key_Up);
  EXPECT_EQ(List.ItemIndex(), 0);
  // Ctrl with an arrow and Alt with anything do nothing.
  Key(Qt::Key_Down, Qt::ControlModifier);
  Key(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(List.ItemIndex(), 0);
}

TEST_F(VListTest, ShiftKeysExtendFromTheAnchor) {
  Fill(100, 9);
  Key(Qt::Key_Down);  // a key move sets the anchor
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Sel.Rows, (std::set<int>{10, 11, 12}));
  Key(Qt::Key_Up, Qt::ShiftModifier);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  Key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(Sel.Rows, (std::set<int>{9, 10}));
  EXPECT_EQ(List.ItemIndex(), 9);
  EXPECT_EQ(List.AnchorRow(), 10);
  Key(Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(Sel.Rows.size(), 90u);
  EXPECT_EQ(List.ItemIndex(), 99);
  Key(Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Sel.Rows.size(), 11u);
  EXPECT_EQ(List.ItemIndex(), 0);
}

// A row the program moves to (SetItemIndex) is the anchor, as a click's row is; a list that shrinks
// below its anchor keeps it on a row.
TEST_F(VListTest, AProgramMoveIsTheAnchorOfTheNextShiftExtension) {
  Fill(100, 5);
  List.SetItemIndex(60);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Sel.Rows, (std::set<int>{60, 61}));
  List.SetNumItems(30);
  EXPECT_EQ(List.AnchorRow(), 29);
}

TEST_F(VListTest, HomeAndEndScrollSidewaysOnlyWithAHorizontalBar) {
  Fill(100, 50);
  Key(Qt::Key_End);
  EXPECT_EQ(List.HorzPosition(), 0);
  Key(Qt::Key_Right);  // without a horizontal bar: as Down
  EXPECT_EQ(List.ItemIndex(), 51);
  List.SetScrollBars(TQBCustomVirtualListBox::TScrollBars::Both);
  Key(Qt::Key_End);
  EXPECT_EQ(List.HorzPosition(), 1024);
  EXPECT_EQ(List.ItemIndex(), 51);
  Key(Qt::Key_Left);
  EXPECT_EQ(List.HorzPosition(), 1023);
  Key(Qt::Key_Home);
  EXPECT_EQ(List.HorzPosition(), 0);
  EXPECT_EQ(List.UpdateCount(), 0);
}

TEST_F(VListTest, PlainClickSelectsOnlyTheClickedRowAndRaisesOneClick) {
  Fill(100, 3);
  QSignalSpy clicks(&List, &TQBCustomVirtualListBox::clicked);
  Click(RowPoint(7));
  EXPECT_EQ(List.ItemIndex(), 7);
  EXPECT_EQ(Sel.Rows, (std::set<int>{7}));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(VListTest, CtrlPressTogglesTheRowAndMakesItCurrent) {
  Fill(100, 3);
  Click(RowPoint(5), Qt::ControlModifier);
  EXPECT_EQ(Sel.Rows, (std::set<int>{3, 5}));
  Click(RowPoint(3), Qt::ControlModifier);
  EXPECT_EQ(Sel.Rows, (std::set<int>{5}));
  EXPECT_EQ(List.ItemIndex(), 3);
  EXPECT_EQ(List.AnchorRow(), 3);
  Click(RowPoint(8), Qt::ShiftModifier);
  EXPECT_EQ(Sel.Rows, (std::set<int>{3, 4, 5, 6, 7, 8}));
}

TEST_F(VListTest, RightClickBelowTheLastRowTakesTheLastRowOnlyInTheBandBelowIt) {
  Fill(5, 0);
  Click(RowPoint(5), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(List.ItemIndex(), 4);
  List.SetItemIndex(0);
  Click(RowPoint(7), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(List.ItemIndex(), 0);
  Click(RowPoint(2), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(List.ItemIndex(), 2);
}

TEST_F(VListTest, OneWheelNotchScrollsThreeRowsWhateverItsSize) {
  Fill(1000);
  List.SetTopIndex(100);
  struct Case { int Delta; int Top; };
  for (const Case& c : {Case{-120, 103}, Case{-1, 106}, Case{-960, 109}, Case{120, 106}, Case{15, 103}}) {
    Wheel(c.Delta);
    EXPECT_EQ(List.TopIndex(), c.Top) << c.Delta;
  }
  List.SetTopIndex(1);
  Wheel(120);
  EXPECT_EQ(List.TopIndex(), 0);
}

TEST_F(VListTest, DragSelectsTheRangeAndScrollsBelowTheList) {
  Fill(100, 0);
  QSignalSpy clicks(&List, &TQBCustomVirtualListBox::clicked);
  QTest::mousePress(List.viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(2));
  QTest::mouseMove(List.viewport(), RowPoint(6));
  EXPECT_EQ(Sel.Rows, (std::set<int>{2, 3, 4, 5, 6}));
  EXPECT_EQ(clicks.count(), 0);  // no click while the button is down
  QTest::mouseMove(List.viewport(), RowPoint(4));
  EXPECT_EQ(Sel.Rows, (std::set<int>{2, 3, 4}));
  QTest::mouseMove(List.viewport(), QPoint(20, 205));
  EXPECT_EQ(List.ItemIndex(), 20);
  EXPECT_EQ(List.TopIndex(), 1);
  QTest::mouseRelease(List.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 205));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(Sel.Rows.size(), 19u);
}

TEST_F(VListTest, UnbalancedEndUpdateRaises) {
  List.BeginUpdate();
  List.BeginUpdate();
  List.EndUpdate();
  List.EndUpdate();
  try {
    List.EndUpdate();
    FAIL() << "no error";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "Mismatched BeginUpdate/EndUpdate");
  }
  EXPECT_EQ(List.UpdateCount(), 0);
}

TEST_F(VListTest, MultiSelectWithoutATargetRaises) {
  TQBVirtualListBox bare;
  bare.SetNumItems(3);
  EXPECT_THROW(bare.SetItemIndex(1), std::logic_error);
}

TEST_F(VListTest, PaintingFetchesOnlyTheVisibleRows) {
  for (int n : {30, 10000000}) {
    Fill(n);
    List.SetTopIndex(n / 2);
    List.Fetches = 0;
    List.grab();
    EXPECT_EQ(List.Fetches, 20) << n;
  }
}

TEST_F(VListTest, AccessibilityClientsSeeTheRowsAndTheCurrentRow) {
  Fill(1000, 42);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&List);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->childCount(), 1000);
  QAccessibleInterface* row = list->child(7);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->role(), QAccessible::ListItem);
  EXPECT_EQ(row->text(QAccessible::Name), "7");
  EXPECT_EQ(list->indexOfChild(row), 7);
  QAccessibleInterface* focus = list->focusChild();
  ASSERT_NE(focus, nullptr);
  EXPECT_EQ(focus->text(QAccessible::Name), "42");
  EXPECT_TRUE(focus->state().selected);
  EXPECT_TRUE(focus->state().focused);
}

TEST_F(VListTest, AccessibleRowsStayValidUntilTheRowsChange) {
  Fill(5000, 0);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&List);
  ASSERT_NE(list, nullptr);
  QAccessibleInterface* first = list->child(0);
  ASSERT_NE(first, nullptr);
  const QAccessible::Id id = QAccessible::uniqueId(first);
  // A client walking many rows, as a reader of the whole list does, keeps what it was handed.
  for (int row = 1; row < 3000; ++row) ASSERT_NE(list->child(row), nullptr);
  list->focusChild();
  EXPECT_EQ(QAccessible::accessibleInterface(id), first);
  EXPECT_EQ(list->child(0), first);
  EXPECT_EQ(first->text(QAccessible::Name), "0");
  // New rows: the objects handed out go, and their ids say so; inside a bracket only at its end.
  List.BeginUpdate();
  Fill(6000);
  EXPECT_EQ(QAccessible::accessibleInterface(id), first);
  List.EndUpdate();
  EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
  QAccessibleInterface* again = list->child(0);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->text(QAccessible::Name), "0");
}

TEST_F(VListTest, AnUpdateBracketPaintsTheBackgroundAndNoRows) {
  Fill(100, 3);
  List.BeginUpdate();
  List.Fetches = 0;
  const QImage img = List.viewport()->grab().toImage();
  EXPECT_EQ(List.Fetches, 0);
  EXPECT_EQ(img.pixelColor(150, 55), List.palette().color(QPalette::Base));
  List.EndUpdate();
  List.grab();
  EXPECT_EQ(List.Fetches, 20);
}

}  // namespace
