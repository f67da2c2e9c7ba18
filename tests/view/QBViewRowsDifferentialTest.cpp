// The fast row model against the plain reference on many random logs and random operation sequences:
// nesting with unclosed methods and stray exits, collapse-on-exit records, auto-collapse, collapses,
// expansions, selections, deletions, crops, going to messages and searching.

#include "QBReferenceRows.h"
#include "QBViewFixture.h"

#include "view/QBFilterMatcher.h"
#include "view/QBViewSearch.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using qbtest::TViewFixture;

class TPair {
public:
  TPair(bool autoCollapse, uint32_t seed)
      : Fast(autoCollapse), RefList(10), Ref(RefSet, RefList, autoCollapse), RefAdder(RefSet), FRandom(seed) {
    RefList.SetTarget(&Ref);
  }

  // Adds the same message to both stores; the reference is offered it as the view would be.
  void Add(int32_t type) {
    const QByteArray text = (FRandom() % 7 == 0) ? QByteArray("needle") : QByteArray("hay");
    Fast.Add({type, text});
    FTexts.push_back(text);
    RefAdder.AddMessage(qbtest::Message(type, FTexts.back()));
    Ref.AppendCurrentMessage();
  }

  int32_t RandomType() {
    const int roll = int(FRandom() % 100);
    if (roll < 30) return 9;
    if (roll < 55) return 10;
    if (roll < 60) return 43;
    if (roll < 63) return 40;
    if (roll < 66) return 100 + int32_t(FRandom() % 3) * 50;
    return int32_t(FRandom() % 9);
  }

  int RandomRow() { return Fast.Rows.RowCount() == 0 ? -1 : int(FRandom() % uint32_t(Fast.Rows.RowCount())); }

  void Step() {
    const int op = int(FRandom() % 16);
    const int row = RandomRow();
    switch (op) {
      case 0: case 1: case 2: case 3: case 4: {
        const int32_t t = RandomType();
        Add(t);
        break;
      }
      case 5:
        Fast.View.ResetDepth();
        Ref.ResetDepth();
        break;
      case 6:
        Fast.List.SetCurrentRow(row);
        RefList.SetCurrentRow(row);
        break;
      case 7:
        if (row >= 0) {
          const bool v = FRandom() % 2;
          Fast.Rows.SelectRequest(row, v);
          Ref.SelectRequest(row, v);
        }
        break;
      case 8:
        if (row >= 0 && Fast.Rows.ItemIsEnter(Fast.Rows.ItemOfRow(row))) {
          if (Fast.Rows.IsRowCollapsedMethod(row)) {
            Fast.Rows.ExpandMethod(row);
            Ref.ExpandMethod(row);
          } else {
            Fast.Rows.CollapseMethod(row);
            Ref.CollapseMethod(row);
          }
        }
        break;
      case 9:
        Fast.Rows.ToggleCurrentMethod();
        Ref.ToggleCurrentMethod();
        break;
      case 10:
        if (Fast.Rows.CurrentRow() >= 0) {
          Fast.Rows.CollapseAll();
          Ref.CollapseAll();
        }
        break;
      case 11:
        if (Fast.Rows.CurrentRow() >= 0) {
          const bool fromStart = FRandom() % 2;
          Fast.Rows.ExpandAll(fromStart);
          Ref.ExpandAll(fromStart);
        }
        break;
      case 12:
        if (FRandom() % 3 == 0) {
          EXPECT_EQ(Fast.Rows.DeleteSelected(), Ref.DeleteSelected());
        }
        break;
      case 13:
        if (FRandom() % 4 == 0) {
          EXPECT_EQ(Fast.Rows.CropToSelection(), Ref.CropToSelection());
        }
        break;
      case 14:
        if (Fast.Set.GetRecordCount() > 0) {
          const int recNo = 1 + int(FRandom() % uint32_t(Fast.Set.GetRecordCount() + 1));
          Fast.Nav.GoToMessage(recNo);
          Ref.GoToMessage(recNo);
        }
        break;
      case 15:
        if (Fast.Rows.RowCount() > 0) {
          TQBViewSearch search(Fast.View);
          const int found = search.FindText(true, QStringLiteral("NEEDLE"), false, false, true);
          EXPECT_EQ(found, Ref.FindTextForward(0, qbfilter::UpperAscii("NEEDLE")));
        }
        break;
    }
  }

  void ExpectSame(const char* where) {
    SCOPED_TRACE(where);
    const TQBViewRows& f = Fast.Rows;
    ASSERT_EQ(f.RowCount(), int(Ref.Rows.size()));
    ASSERT_EQ(f.ItemCount(), int(Ref.Items.size()));
    ASSERT_EQ(f.Depth(), Ref.Depth);
    for (int r = 0; r < f.RowCount(); ++r) {
      const int item = Ref.Rows[size_t(r)];
      ASSERT_EQ(f.ItemOfRow(r), item) << "row " << r;
      ASSERT_EQ(f.GetRowLevel(r), Ref.Levels[size_t(item)]) << "row " << r;
      ASSERT_EQ(f.ItemCollapsed(item), Ref.Items[size_t(item)].Collapsed) << "row " << r;
      ASSERT_EQ(f.MethodSize(r), Ref.MethodSize(r)) << "row " << r;
    }
    for (int i = 0; i < f.ItemCount(); ++i) {
      ASSERT_EQ(f.ItemRecNo(i), Ref.Items[size_t(i)].RecNo) << "item " << i;
      ASSERT_EQ(f.ItemSelected(i), Ref.SelFlags[size_t(i)] == 1) << "item " << i;
    }
    ASSERT_EQ(Fast.List.CurrentRow(), RefList.CurrentRow());
    ASSERT_EQ(Fast.List.TopRow(), RefList.TopRow());
    ASSERT_EQ(Fast.List.AnchorRow(), RefList.AnchorRow());
    ExpectSelectionSummary();
    ExpectTypeIndex();
  }

  // The nearest rows of a type before and after a random row, from the type index, against a walk.
  void ExpectTypeIndex() {
    const TQBViewRows& f = Fast.Rows;
    const int row = RandomRow();
    for (int32_t wanted : {0, 3, 9, 10, 40, 100, 150}) {
      int next = -1, prev = -1;
      for (int r = 0; r < f.RowCount(); ++r) {
        if (!TQBTypeIndex::TypeMatches(f.RowType(r), wanted)) continue;
        if (r <= row) prev = r;
        if (r >= row && next < 0) next = r;
      }
      ASSERT_EQ(f.NextRowOfType(wanted, std::max(row, 0)), row < 0 ? -1 : next) << "type " << wanted << " row " << row;
      ASSERT_EQ(f.PrevRowOfType(wanted, row), prev) << "type " << wanted << " row " << row;
    }
  }

  // The selection count and range, which walk only the span of set flags, against a walk of every row.
  void ExpectSelectionSummary() {
    const TQBViewRows& f = Fast.Rows;
    int count = 0, first = -1, last = -1;
    for (int r = 0; r < f.RowCount(); ++r) {
      if (!f.ItemSelected(f.ItemOfRow(r))) continue;
      ++count;
      if (first < 0) first = f.ItemRecNo(f.ItemOfRow(r));
      last = f.ItemRecNo(f.ItemOfRow(r));
    }
    const int current = Fast.List.CurrentRow();
    if (current >= 0 && current < f.RowCount() && !f.ItemSelected(f.ItemOfRow(current))) ++count;
    ASSERT_EQ(f.SelectedCount(), count);
    int gotFirst = -2, gotLast = -2;
    ASSERT_EQ(f.GetSelectedRange(gotFirst, gotLast), first >= 0);
    ASSERT_EQ(gotFirst, first);
    ASSERT_EQ(gotLast, last);
  }

  TViewFixture Fast;
  TQuillboxMessageSet RefSet;
  TQBHeadlessList RefList;
  TQBReferenceRows Ref;
  TQBMessageAdder RefAdder;

private:
  std::mt19937 FRandom;
  std::deque<QByteArray> FTexts;
};

class RowsDifferential : public testing::TestWithParam<bool> {};

TEST_P(RowsDifferential, FastModelMatchesReferenceOnRandomLogs) {
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    TPair pair(GetParam(), seed);
    for (int step = 0; step < 250; ++step) {
      pair.Step();
      pair.ExpectSame("after a step");
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AutoCollapse, RowsDifferential, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "On" : "Off"; });

}  // namespace
