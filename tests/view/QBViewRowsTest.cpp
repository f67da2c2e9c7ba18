#include "QBViewFixture.h"

#include "view/QBClipboardText.h"
#include "view/QBViewSearch.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <stdexcept>

namespace {

using qbtest::TViewFixture;
using V = std::vector<int>;

TEST(Rows, StrayExitGetsLevelZeroAndTogglingItDoesNothing) {
  TViewFixture f;
  f.AddTypes({10, 0});
  EXPECT_EQ(f.RowLevels(), (V{0, 0}));
  EXPECT_EQ(f.Rows.Depth(), 0);
  f.List.SetCurrentRow(0);
  f.Rows.ToggleCurrentMethod();
  EXPECT_EQ(f.Rows.RowCount(), 2);
}

TEST(Rows, CollapseAllOnALogThatStartsInsideAMethod) {
  TViewFixture f;
  f.AddTypes({9, 10, 10});  // enter A, exit A, exit B
  f.List.SetCurrentRow(0);
  f.Rows.CollapseAll();
  EXPECT_EQ(f.RowRecNos(), (V{1, 3}));
  EXPECT_TRUE(f.Rows.IsRowCollapsedMethod(0));
}

TEST(Rows, AutoCollapseShowsAnEmptyMethodAsOneRowAlsoWhenTheFilterHidesItsBody) {
  TViewFixture f(true);
  TQBFilterCriteria c;
  c.CheckMsgTypes = true;
  c.MsgTypes.set(9).set(10);
  f.View.SetFilterCriteria(c);
  f.AddTypes({9, 0, 10});
  EXPECT_EQ(f.RowRecNos(), (V{1}));
  EXPECT_TRUE(f.Rows.IsRowCollapsedMethod(0));
  EXPECT_EQ(f.Rows.MethodSize(0), 0);  // the filtered message is no item of this view
}

TEST(Rows, CollapseOnExitIsStoredAsExitAndCollapsesAtOnce) {
  TViewFixture f;
  f.AddTypes({0, 9, 0, 43});
  EXPECT_EQ(f.Set.At(4).MsgType(), qbmExitMethod);
  EXPECT_EQ(f.RowRecNos(), (V{1, 2}));
  EXPECT_EQ(f.List.CurrentRow(), 1);
}

// A collapse-on-exit record takes the focus only from a row it hides: a row above keeps it, a row
// inside gives it to the entry, and the collapsed row then stands for its whole method.
TEST(Rows, CollapseOnExitTakesTheFocusOnlyFromARowItHides) {
  struct TCase {
    int Focused;  // row focused before the exit arrives
    int Row;      // row focused after
    V Selected;
  } cases[] = {{0, 0, {1}}, {3, 1, {2, 3, 4, 5}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Focused);
    TViewFixture f;
    f.AddTypes({0, 9, 0, 0});
    f.List.SetCurrentRow(c.Focused);
    f.AddTypes({43});
    EXPECT_EQ(f.RowRecNos(), (V{1, 2}));
    EXPECT_EQ(f.List.CurrentRow(), c.Row);
    EXPECT_EQ(f.SelectedRecNos(), c.Selected);
  }
}

// A search that finds nothing leaves the methods it opened open, the focused message focused (its row
// moved down) and the chosen rows chosen: a chosen collapsed method keeps its entry row selected, and
// its body, now rows of its own, comes unselected.
TEST(Search, NothingFoundKeepsTheFocusedMessageAndTheChosenOnes) {
  TViewFixture f;
  f.AddTypes({9, 0, 10, 9, 0, 10, 0, 0});
  f.Rows.CollapseMethod(0);
  f.Rows.CollapseMethod(1);
  f.List.SetCurrentRow(3);  // record 8
  f.Rows.SetRowSelected(1, true);  // the second method, records 4 to 6
  TQBViewSearch search(f.View);
  EXPECT_EQ(search.FindText(true, "absent", false, false, true), -1);
  EXPECT_EQ(f.Rows.RowCount(), 8);
  EXPECT_EQ(f.Rows.GetRowRecNo(f.List.CurrentRow()), 8);
  EXPECT_EQ(f.SelectedRecNos(), (V{4, 8}));
  EXPECT_EQ(f.List.AnchorRow(), f.List.CurrentRow());
}

TEST(Rows, ExpandingAMethodKeepsItsInnerMethodsCollapsedUntilExpandAll) {
  TViewFixture f;
  f.AddTypes({9, 9, 9, 0, 10, 10, 10});  // A(B(C(x)))
  f.List.SetCurrentRow(0);
  f.Rows.CollapseAll();
  EXPECT_EQ(f.RowRecNos(), (V{1}));
  f.Rows.ExpandMethod(0);  // B stays collapsed inside A
  EXPECT_EQ(f.RowRecNos(), (V{1, 2, 7}));
  EXPECT_TRUE(f.Rows.IsRowCollapsedMethod(1));
  f.Rows.ExpandAll(true);
  EXPECT_EQ(f.RowRecNos(), (V{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(f.RowLevels(), (V{0, 1, 2, 3, 2, 1, 0}));
}

// Expand All and Collapse All keep the user's place: the focused message stays focused (or, when a
// collapse hides it, the entry row of the method around it does) at the same height in the list, and
// the list hears of it once, not once per method.
TEST(Rows, ExpandAllAndCollapseAllKeepTheFocusedMessageInItsPlace) {
  enum class TOp { CollapseAll, ExpandAll, ExpandToEnd };
  struct TCase {
    const char* Name;
    bool CollapsedFirst;
    int FocusRecNo;
    int FocusOffset;  // rows between the top row and the focused row
    TOp Op;
    int RecNo, Row, Top;
  };
  // Twelve messages, method A (record 13) around twenty more, its exit (34), five more: 39 rows, or
  // 18 with A collapsed; the list shows 5.
  const TCase cases[] = {
      {"a message below the method keeps its focus", false, 37, 2, TOp::CollapseAll, 37, 15, 13},
      {"a message the collapse hides gives it to the method", false, 20, 1, TOp::CollapseAll, 13, 12, 11},
      {"the exit gives it to the method it closes", false, 34, 4, TOp::CollapseAll, 13, 12, 8},
      {"a message above the method stays where it was", false, 3, 0, TOp::CollapseAll, 3, 2, 2},
      {"expanding above the focus moves it down with its message", true, 37, 2, TOp::ExpandAll, 37, 36, 34},
      {"the collapsed method focused stays focused", true, 13, 3, TOp::ExpandAll, 13, 12, 9},
      {"expand to end from the focused method", true, 13, 0, TOp::ExpandToEnd, 13, 12, 12},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TViewFixture f(false, 5);
    for (int i = 0; i < 12; ++i) f.Add({0});
    f.Add({9});
    for (int i = 0; i < 20; ++i) f.Add({0});
    f.Add({10});
    for (int i = 0; i < 5; ++i) f.Add({0});
    if (c.CollapsedFirst) f.Rows.CollapseMethod(12);
    const int focus = f.RowOfRecNo(c.FocusRecNo);
    f.List.SetCurrentRow(focus);
    f.List.SetTopRow(focus - c.FocusOffset);
    ASSERT_EQ(f.List.TopRow(), focus - c.FocusOffset);
    const int clicks = f.List.Clicks();
    switch (c.Op) {
      case TOp::CollapseAll: f.Rows.CollapseAll(); break;
      case TOp::ExpandAll: f.Rows.ExpandAll(true); break;
      case TOp::ExpandToEnd: f.Rows.ExpandAll(false); break;
    }
    EXPECT_EQ(f.List.CurrentRow(), c.Row);
    EXPECT_EQ(f.Rows.GetRowRecNo(f.List.CurrentRow()), c.RecNo);
    EXPECT_EQ(f.List.TopRow(), c.Top);
    EXPECT_EQ(f.List.AnchorRow(), c.Row);
    // The focused row is the only one selected; a collapsed one with its hidden messages.
    std::vector<int> selected{c.RecNo};
    if (f.Rows.IsRowCollapsedMethod(c.Row))
      for (int recNo = 14; recNo <= 34; ++recNo) selected.push_back(recNo);
    EXPECT_EQ(f.SelectedRecNos(), selected);
    EXPECT_EQ(f.List.Clicks() - clicks, 1);
  }
}

// An update bracket closed twice (a programming error elsewhere) must not throw out of the guard's
// destructor: while an exception unwinds, that would end the program.
QStringList LoggedCriticals;
void RecordCritical(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg) LoggedCriticals << text;
}

TEST(UpdateBracket, AFailedClosingIsReportedInsteadOfThrown) {
  TQBHeadlessList list;
  LoggedCriticals.clear();
  const QtMessageHandler previous = qInstallMessageHandler(RecordCritical);
  EXPECT_THROW(
      {
        TQBUpdateGuard guard(list);
        list.EndUpdate();
        throw std::runtime_error("the bulk change failed");
      },
      std::runtime_error);
  EXPECT_NO_THROW({
    TQBUpdateGuard guard(list);
    list.EndUpdate();
  });
  qInstallMessageHandler(previous);
  EXPECT_EQ(list.UpdateCount(), 0);
  ASSERT_EQ(LoggedCriticals.size(), 2);
  EXPECT_TRUE(LoggedCriticals[0].contains("Mismatched BeginUpdate/EndUpdate")) << LoggedCriticals[0].toStdString();
}

TEST(Rows, DeletingACollapsedRowRemovesItsBodyAndAnExpandedEntryOnlyItself) {
  TViewFixture f;
  f.AddTypes({9, 0, 10, 9, 0, 10});
  f.Rows.CollapseMethod(0);
  f.Rows.SetRowSelected(0, true);             // collapsed A
  f.Rows.SetRowSelected(1, true);             // expanded entry of the second method
  EXPECT_EQ(f.Rows.DeleteSelected(), 0);
  EXPECT_EQ(f.RowRecNos(), (V{5, 6}));
  EXPECT_EQ(f.RowLevels(), (V{1, 0}));        // levels are not recomputed
}

TEST(Rows, SelectedCountCountsADifferentCurrentRow) {
  TViewFixture f;
  f.AddTypes({0, 0, 0});
  f.List.SetCurrentRow(2);
  f.Rows.ClearSelection();
  f.Rows.SetRowSelected(0, true);
  EXPECT_EQ(f.Rows.SelectedCount(), 2);
  int first = 0, last = 0;
  f.Rows.SetRowSelected(1, true);
  EXPECT_TRUE(f.Rows.GetSelectedRange(first, last));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(last, 2);
}

TEST(Rows, CropKeepsOnlyTheSelection) {
  TViewFixture f;
  f.AddTypes({0, 0, 0, 0});
  f.Rows.SetRowSelected(1, true);
  f.Rows.SetRowSelected(2, true);
  f.Rows.CropToSelection();
  EXPECT_EQ(f.RowRecNos(), (V{2, 3}));
}

TEST(Rows, EmptyViewOperationsDoNothing) {
  TViewFixture f;
  f.Rows.CollapseAll();
  f.Rows.ExpandAll(false);
  f.Rows.ToggleCurrentMethod();
  EXPECT_EQ(f.Rows.DeleteSelected(), -1);
  EXPECT_EQ(f.Rows.CropToSelection(), -1);
  EXPECT_EQ(f.Rows.SelectedCount(), 0);
  f.Nav.NavigateToType(TQBNavigateKind::Next, 0);
  f.Nav.GoToMatchingMethod();
  f.Nav.GoToMessage(5);
  std::vector<TQBCallStackEntry> stack;
  EXPECT_FALSE(f.Nav.GetCallStack(stack));
  EXPECT_EQ(TQBViewSearch(f.View).FindText(true, "x", true, false, true), -1);
  EXPECT_FALSE(ClipboardTextOf(f.Rows).has_value());
  EXPECT_EQ(f.Rows.RowCount(), 0);
}

TEST(Bookmarks, SurviveCollapseAndClearViewKeepsTheSyncMark) {
  TViewFixture f;
  f.AddTypes({9, 0, 0, 10, 0});
  f.List.SetCurrentRow(2);
  f.Nav.ToggleBookmark(3);
  f.View.SetSyncMessage(3);
  f.Rows.CollapseMethod(0);
  f.List.SetCurrentRow(1);
  f.Nav.GoToBookmark(3);  // inside the collapsed method: it opens
  EXPECT_EQ(f.List.CurrentRow(), 2);
  EXPECT_FALSE(f.Rows.IsRowCollapsedMethod(0));
  f.View.ClearView();
  EXPECT_EQ(f.View.GetBookmark(3), -1);
  EXPECT_EQ(f.View.SyncMessage(), 3);
}

TEST(Navigation, TypeStepsStopAtTheLastMatchAndReportWhatLiesEitherSide) {
  TViewFixture f;
  f.AddTypes({2, 0, 2, 100, 1000, 33000});
  f.List.SetCurrentRow(2);
  f.Nav.NavigateToType(TQBNavigateKind::Next, 2);  // last match: stays, unselected
  EXPECT_EQ(f.List.CurrentRow(), 2);
  EXPECT_FALSE(f.Rows.IsRowSelected(2));
  f.List.SetCurrentRow(0);
  f.Nav.NavigateToType(TQBNavigateKind::Previous, 2);  // row 0 finds itself
  EXPECT_EQ(f.List.CurrentRow(), 0);
  std::vector<int> visited;
  f.Nav.NavigateToType(TQBNavigateKind::First, 100);
  for (int i = 0; i < 3; ++i, f.Nav.NavigateToType(TQBNavigateKind::Next, 100)) visited.push_back(f.List.CurrentRow());
  EXPECT_EQ(visited, (V{3, 4, 5}));
  bool prev = false, next = true;
  f.Nav.GetNavigationState(100, prev, next);
  EXPECT_TRUE(prev);
  EXPECT_FALSE(next);
}

TEST(Navigation, TimeGapsAcrossMidnightAreNeverFound) {
  TViewFixture f;
  f.Add({0, "a", {}, {}, 86399000, qbtest::kDay});
  f.Add({0, "b", {}, {}, 1000, qbtest::kDay + 1});
  f.Add({0, "c", {}, {}, 9000, qbtest::kDay + 1});
  f.Nav.NavigateTimeDiff(TQBNavigateKind::First, 5000);
  EXPECT_EQ(f.List.CurrentRow(), 2);
}

TEST(Navigation, MatchingMethodAndCallStack) {
  TViewFixture f;
  f.AddTypes({9, 9, 0, 10, 10, 0});
  f.List.SetCurrentRow(1);
  f.Nav.GoToMatchingMethod();
  EXPECT_EQ(f.List.CurrentRow(), 3);
  f.Nav.GoToMatchingMethod();
  EXPECT_EQ(f.List.CurrentRow(), 1);
  f.List.SetCurrentRow(5);
  f.Nav.GoToMatchingMethod();  // plain message at level 0 with no entry above at level 0 after... row 0
  EXPECT_EQ(f.List.CurrentRow(), 0);
  f.List.SetCurrentRow(2);
  std::vector<TQBCallStackEntry> stack;
  ASSERT_TRUE(f.Nav.GetCallStack(stack));
  ASSERT_EQ(stack.size(), 2u);
  EXPECT_EQ(stack[0].Row, 1);
  EXPECT_EQ(stack[1].Row, 0);
  f.Nav.GoToCurrentMethod();
  EXPECT_EQ(f.List.CurrentRow(), 1);

  TViewFixture g;
  g.AddTypes({10});
  g.List.SetCurrentRow(0);
  g.Nav.GoToMatchingMethod();
  EXPECT_EQ(g.Host.Beeps, 1);
}

TEST(Search, ForwardOpensCollapsedMethodsBackwardSearchesBodiesFromTheEnd) {
  TViewFixture f;
  f.Add({0, "start"});
  f.Add({9, "enter"});
  f.Add({0, "hidden One"});
  f.Add({0, "hidden two"});
  f.Add({10, "exit"});
  f.Rows.CollapseMethod(1);
  TQBViewSearch search(f.View);
  EXPECT_EQ(search.FindText(true, "HIDDEN", false, false, true), 2);
  EXPECT_FALSE(f.Rows.IsRowCollapsedMethod(1));
  f.Rows.CollapseMethod(1);
  EXPECT_EQ(search.FindText(true, "hidden", false, false, false), 3);
  EXPECT_EQ(search.FindText(true, "", true, false, true), -1);
  EXPECT_EQ(f.Host.Notices.back(), "Search string '' not found.");
}

TEST(Search, DetailsOnlyWhenAsked) {
  TViewFixture f;
  f.Add({0, "a", "the Needle"});
  TQBViewSearch search(f.View);
  EXPECT_EQ(search.FindText(true, "needle", false, false, true), -1);
  EXPECT_EQ(search.FindText(true, "needle", true, false, true), 0);
}

TEST(Clipboard, OneLineIsTrimmedSeveralEndInLineBreaks) {
  TViewFixture f;
  f.Add({9, "enter"});
  f.Add({0, " inner\t"});
  f.Add({10, "exit"});
  f.Rows.SetRowSelected(1, true);
  EXPECT_EQ(*ClipboardTextOf(f.Rows), "inner");
  f.Rows.SetRowSelected(0, true);
  EXPECT_EQ(*ClipboardTextOf(f.Rows), "enter\r\n   inner\t\r\n");
}

}  // namespace
