// Go to Time: the first row at or after a time stamp, in logs written in time order and in logs that
// are not, with collapsed methods opened on the way.

#include "QBViewFixture.h"

#include "view/QBTimeIndex.h"

#include <gtest/gtest.h>

#include <random>

using namespace qbtest;

namespace {

constexpr int32_t kHour = 3600 * 1000;

struct TTimeCase {
  const char* Name;
  int32_t Date;
  int32_t Time;
  int Row;  // the row that gets the focus, in the fixture's rows before anything was opened
};

// Five messages at 10:00:00.000, .100, .200, .300, .400 on kDay.
TEST(GoToTime, InOrder) {
  const TTimeCase cases[] = {
      {"exactly the third", kDay, 10 * kHour + 200, 2},
      {"between two", kDay, 10 * kHour + 150, 2},
      {"before all", kDay, 0, 0},
      {"a day before", kDay - 1, 23 * kHour, 0},
      {"the last", kDay, 10 * kHour + 400, 4},
      {"after all: the last row", kDay, 10 * kHour + 401, 4},
      {"the next day: the last row", kDay + 1, 0, 4},
  };
  for (const TTimeCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TViewFixture f;
    for (int i = 0; i < 5; ++i) f.Add({.Type = 0, .Time = 10 * kHour + 100 * i});
    f.Nav.GoToTime({c.Time, c.Date});
    EXPECT_EQ(f.List.CurrentRow(), c.Row);
    EXPECT_EQ(f.SelectedRecNos(), std::vector<int>{f.Rows.GetRowRecNo(c.Row)});
  }
}

// Two threads writing into one log: the times go back and forth.
TEST(GoToTime, OutOfOrder) {
  const int32_t times[] = {500, 300, 900, 100, 700};
  const TTimeCase cases[] = {
      {"the first at or after 400 is the first message", kDay, 400, 0},
      {"600: the third, not the later fifth", kDay, 600, 2},
      {"800: the third", kDay, 800, 2},
      {"100: the first message, not the one stamped 100", kDay, 100, 0},
      {"later than all: the last row", kDay, 901, 4},
  };
  for (const TTimeCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TViewFixture f;
    for (int32_t t : times) f.Add({.Type = 0, .Time = t});
    f.Nav.GoToTime({c.Time, c.Date});
    EXPECT_EQ(f.List.CurrentRow(), c.Row);
  }
}

TEST(GoToTime, AMessageInsideACollapsedMethodGetsItsRow) {
  TViewFixture f;
  f.Add({.Type = 0, .Time = 100});
  f.Add({.Type = 9, .Time = 200});
  f.Add({.Type = 0, .Time = 300});
  f.Add({.Type = 9, .Time = 400});
  f.Add({.Type = 0, .Time = 500});
  f.Add({.Type = 10, .Time = 600});
  f.Add({.Type = 10, .Time = 700});
  f.Add({.Type = 0, .Time = 800});
  f.Rows.CollapseMethod(3);
  f.Rows.CollapseMethod(1);
  ASSERT_EQ(f.Rows.RowCount(), 3);
  f.Nav.GoToTime({450, kDay});
  EXPECT_EQ(f.Rows.RowCount(), 8);
  EXPECT_EQ(f.List.CurrentRow(), 4);
  EXPECT_EQ(f.Rows.GetRowRecNo(4), 5);
  // Nothing that late: the last row, whatever is collapsed.
  f.Rows.CollapseMethod(1);
  f.Nav.GoToTime({900, kDay});
  EXPECT_EQ(f.List.CurrentRow(), f.Rows.RowCount() - 1);
}

TEST(GoToTime, AnEmptyViewIsLeftAlone) {
  TViewFixture f;
  f.Nav.GoToTime({0, kDay});
  EXPECT_EQ(f.List.CurrentRow(), -1);
}

// The index against the plain walk of every item, over views that grow, lose rows and grow again,
// with times that mostly rise and now and then fall back, across several blocks of the index.
TEST(GoToTime, IndexAgreesWithAWalkOfEveryItem) {
  std::mt19937 random(7);
  TViewFixture f;
  int32_t clock = 0;
  const auto addSome = [&](int n) {
    for (int i = 0; i < n; ++i) {
      clock += int32_t(random() % 50);
      const bool late = random() % 20 == 0;  // written late: an earlier time after later ones
      f.Add({.Type = 0, .Time = late ? clock - int32_t(random() % 3000) : clock});
    }
  };
  const auto walk = [&](int64_t key) {
    for (int item = 0; item < f.Rows.ItemCount(); ++item)
      if (TQBTimeIndex::Key(f.Set.At(f.Rows.ItemRecNo(item)).TimeStamp()) >= key) return item;
    return -1;
  };
  const auto check = [&] {
    for (int q = 0; q < 200; ++q) {
      const int64_t key = TQBTimeIndex::Key({int32_t(random() % (clock + 100)) - 50, kDay});
      ASSERT_EQ(f.View.TimeIndex().FirstItemAtOrAfter(key), walk(key)) << "key " << key;
    }
  };
  addSome(2500);
  check();
  addSome(1);
  check();
  addSome(3000);
  check();
  for (int r = 0; r < f.Rows.RowCount(); r += 3) f.Rows.SetRowSelected(r, true);
  f.Rows.DeleteSelected();
  check();
  addSome(1500);
  check();
  f.View.ClearView();
  EXPECT_EQ(f.View.TimeIndex().FirstItemAtOrAfter(0), -1);
  addSome(10);
  check();
}

}  // namespace
