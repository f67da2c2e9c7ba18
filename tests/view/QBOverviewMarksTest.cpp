// The overview bar's marks: the mapping of rows onto pixel lines, and the marks of every kind against
// a plain walk over every row on random views with collapsed methods, bookmarks and found items.

#include "QBViewFixture.h"

#include "view/QBOverviewMarks.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

using qbtest::TViewFixture;

TEST(OverviewLines, RowsAndLinesMapBothWays) {
  struct TCase {
    int Rows, Height;
    int Row, Line;           // LineOfRow(Row) == Line
    int FirstRowOfLine;      // FirstRowOfLine(Line)
    int ClickY, ClickRow;    // RowAtLine(ClickY)
  };
  const TCase cases[] = {
      {10, 100, 0, 0, 0, 99, 9},                 // fewer rows than lines: each row spans 10 lines
      {10, 100, 9, 90, 9, 5, 0},
      {100, 100, 57, 57, 57, 57, 57},            // one row per line
      {10'000'000, 500, 9'999'999, 499, 9'980'000, 0, 9'999},  // 20,000 rows per line: the middle one
      {10'000'000, 500, 19'999, 0, 0, 499, 9'989'999},
      {3, 7, 1, 2, 1, -5, 0},                    // a click above the strip goes to the first row
      {3, 7, 2, 4, 2, 50, 2},                    // and below it to the last
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Rows << " rows on " << c.Height);
    EXPECT_EQ(qboverview::LineOfRow(c.Row, c.Rows, c.Height), c.Line);
    EXPECT_EQ(qboverview::FirstRowOfLine(c.Line, c.Rows, c.Height), c.FirstRowOfLine);
    EXPECT_EQ(qboverview::LineOfRow(c.FirstRowOfLine, c.Rows, c.Height), c.Line);
    EXPECT_EQ(qboverview::RowAtLine(c.ClickY, c.Rows, c.Height), c.ClickRow);
  }
  EXPECT_EQ(qboverview::RowAtLine(0, 0, 10), -1);
  const qboverview::TQBLineStarts none(0, 10, 0, [](int row) { return row; });
  EXPECT_TRUE(qboverview::MarkLines(none, [](int) { return 0; }, [](int item) { return item; }).empty());
}

// The marks as a walk over every row computes them.
struct TReference {
  std::array<std::set<int>, MarkKindCount> Lines;
  TQBMarkCounts Counts{};
};

TReference Walk(const TViewFixture& f, const std::vector<int32_t>& found, int height) {
  TReference ref;
  const int rows = f.Rows.RowCount();
  const std::set<int32_t> foundSet(found.begin(), found.end());
  for (int row = 0; row < rows; ++row) {
    const int item = f.Rows.ItemOfRow(row);
    const int32_t type = f.Rows.ItemType(item);
    std::vector<TQBMarkKind> kinds;
    for (int k = 0; k < MarkKindCount; ++k) {
      const auto& types = qboverview::TypesOf(TQBMarkKind(k));
      if (std::find(types.begin(), types.end(), type) != types.end()) kinds.push_back(TQBMarkKind(k));
    }
    if (f.View.Bookmarks().LowestOn(f.Rows.ItemRecNo(item)) >= 0) kinds.push_back(TQBMarkKind::Bookmark);
    if (foundSet.count(item)) kinds.push_back(TQBMarkKind::Found);
    for (TQBMarkKind k : kinds) {
      ref.Lines[size_t(k)].insert(int(int64_t(row) * height / rows));
      ++ref.Counts[size_t(k)];
    }
  }
  return ref;
}

TEST(OverviewMarks, EveryKindMatchesAWalkOverTheRowsOnRandomViews) {
  const int32_t types[] = {qbmInfo,      qbmWarning,  qbmError,          qbmException,         qbmCheckPoint,
                           qbmSeparator, qbmNote,     qbmEnterMethod,    qbmExitMethod,        qbmAppStartSeparator,
                           qbmInfo,      qbmInfo,     qbmInactiveSeparator, qbmResetSeparator, 150};
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    TViewFixture f;
    const int count = 1 + int(random() % 600);
    for (int i = 0; i < count; ++i) f.Add({types[random() % std::size(types)]});
    // Bookmarks (two of them on one message now and then), then collapsed methods that hide some.
    for (int n = 0; n < TQBBookmarks::Count; ++n)
      if (random() % 3) f.View.Bookmarks().Toggle(n, 1 + int(random() % uint32_t(count)));
    for (int i = 0; i < 8 && f.Rows.RowCount() > 0; ++i) {
      const int row = int(random() % uint32_t(f.Rows.RowCount()));
      if (f.Rows.ItemIsEnter(f.Rows.ItemOfRow(row))) f.Rows.CollapseMethod(row);
    }
    std::vector<int32_t> found;
    for (int item = 0; item < f.Rows.ItemCount(); ++item)
      if (random() % 11 == 0) found.push_back(item);

    const TQBOverviewSource source(f.Rows, f.View.Bookmarks(), &found);
    for (int height : {1, 7, 120, 2000}) {
      SCOPED_TRACE(height);
      const TReference ref = Walk(f, found, height);
      const TQBOverviewMarks marks = source.Compute(height, 0, 10);
      for (int k = 0; k < MarkKindCount; ++k)
        EXPECT_EQ(marks.Lines[size_t(k)], std::vector<int>(ref.Lines[size_t(k)].begin(), ref.Lines[size_t(k)].end()))
            << qboverview::KindName(TQBMarkKind(k));
    }
    EXPECT_EQ(source.Counts(), Walk(f, found, 1).Counts);
  }
}

TEST(OverviewMarks, FrameCoversTheRowsOnScreenAndNothingWithoutRows) {
  TViewFixture f;
  const std::vector<int32_t> none;
  TQBOverviewMarks marks = TQBOverviewSource(f.Rows, f.View.Bookmarks(), nullptr).Compute(100, 0, 10);
  EXPECT_LT(marks.FrameBottom, marks.FrameTop);
  for (int i = 0; i < 50; ++i) f.Add({qbmInfo});
  marks = TQBOverviewSource(f.Rows, f.View.Bookmarks(), &none).Compute(100, 20, 10);
  EXPECT_EQ(marks.FrameTop, 40);
  EXPECT_EQ(marks.FrameBottom, 58);
  // A page taller than the rows left: the frame ends at the last row.
  marks = TQBOverviewSource(f.Rows, f.View.Bookmarks(), &none).Compute(100, 45, 10);
  EXPECT_EQ(marks.FrameTop, 90);
  EXPECT_EQ(marks.FrameBottom, 98);
}

}  // namespace
