// The quick filter: the incremental narrowing (a slice at a time, cancelled by newer texts, narrowing
// only the last passes while a word is typed) against a plain filter of the same rows on random logs;
// the rows it leaves through collapsing, adding and deleting; what narrows what; the highlighted spans.

#include "QBViewFixture.h"

#include "view/QBQuickFilter.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using qbtest::TViewFixture;
using namespace std::chrono_literals;

TQBQuickTerm Term(const char* text, bool matchCase = false, bool regex = false, bool details = false) {
  return {QString::fromUtf8(text), {matchCase, regex}, details};
}

// The rows a plain filter leaves: every row of the unfiltered view whose message passes.
std::vector<int> PlainRows(const TViewFixture& unfiltered, const TQBQuickFilterSpec& spec) {
  const TQBQuickMatcher matcher(spec);
  std::vector<int> out;
  for (int recNo : unfiltered.RowRecNos())
    if (matcher.Passes(unfiltered.Set.At(recNo))) out.push_back(recNo);
  return out;
}

// Two views of the same messages: one narrowed by the quick filter, one left as it is.
struct TPair {
  explicit TPair(uint32_t seed) : Random(seed) {}
  void Add(int32_t type) {
    static const char* const words[] = {"heartbeat ok", "Disk FULL", "disk full", "user login", "Heart rate",
                                        "timeout at 12", "a.b", "DISK"};
    const QByteArray text = words[Random() % std::size(words)];
    const QByteArray details = Random() % 4 == 0 ? QByteArray("disk detail") : QByteArray();
    Fast.Add({type, text, details});
    Plain.Add({type, text, details});
  }
  int32_t RandomType() {
    const int roll = int(Random() % 10);
    return roll < 2 ? qbmEnterMethod : roll < 4 ? qbmExitMethod : int32_t(Random() % 4);
  }
  TQBQuickTerm RandomTerm() {
    static const char* const texts[] = {"disk", "DISK", "heart", "heartbeat", "d.sk", "^Disk", "full|login", "(", "12"};
    return Term(texts[Random() % std::size(texts)], Random() % 3 == 0, Random() % 3 == 0, Random() % 3 == 0);
  }
  TQBQuickFilterSpec RandomSpec() {
    TQBQuickFilterSpec spec;
    if (Random() % 4) spec.Include = RandomTerm();
    for (int n = int(Random() % 3); n > 0; --n) spec.Excludes.push_back(RandomTerm());
    return spec;
  }
  // Collapses the same method in both views (by record number, as rows differ between them).
  void CollapseSomeMethod() {
    const int row = Plain.Rows.RowCount() ? int(Random() % uint32_t(Plain.Rows.RowCount())) : -1;
    if (row < 0 || !Plain.Rows.ItemIsEnter(Plain.Rows.ItemOfRow(row))) return;
    const int fastRow = Fast.RowOfRecNo(Plain.Rows.GetRowRecNo(row));
    if (fastRow < 0) return;
    Plain.Rows.CollapseMethod(row);
    Fast.Rows.CollapseMethod(fastRow);
  }

  std::mt19937 Random;
  TViewFixture Fast, Plain;
  TQBQuickFilter Filter;
};

TEST(QuickFilter, IncrementalNarrowingEqualsAPlainFilterOnRandomLogs) {
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    SCOPED_TRACE(seed);
    TPair p(seed);
    // Some logs are longer than one slice, so a scan is interrupted and cancelled on the way.
    const int count = seed % 5 == 0 ? 9000 + int(p.Random() % 2000) : int(p.Random() % 300);
    for (int i = 0; i < count; ++i) p.Add(p.RandomType());
    for (int step = 0; step < 12; ++step) {
      const TQBQuickFilterSpec spec = p.RandomSpec();
      p.Filter.Start(p.Fast.Rows, spec);
      // A newer text often arrives before the scan is complete.
      if (p.Random() % 3 == 0) {
        p.Filter.Run(0us);
        continue;
      }
      p.Filter.Finish();
      ASSERT_EQ(p.Fast.RowRecNos(), PlainRows(p.Plain, spec)) << "step " << step;
      // Messages arriving under the filter, and methods collapsed under it.
      for (int n = int(p.Random() % 20); n > 0; --n) p.Add(p.RandomType());
      if (p.Random() % 2) p.CollapseSomeMethod();
      ASSERT_EQ(p.Fast.RowRecNos(), PlainRows(p.Plain, spec)) << "step " << step << " after adding";
    }
    p.Filter.Clear();
    EXPECT_EQ(p.Fast.RowRecNos(), p.Plain.RowRecNos());
  }
}

TEST(QuickFilter, TypingAWordNarrowsTheLastPassesAndEndsWhereAPlainFilterEnds) {
  TPair p(7);
  for (int i = 0; i < 12000; ++i) p.Add(p.RandomType());
  TQBQuickFilterSpec spec;
  for (const char* typed : {"h", "he", "hea", "heart", "heartb", "heart", ""}) {
    spec.Include = Term(typed);
    p.Filter.Start(p.Fast.Rows, spec);
    while (!p.Filter.Run(0us)) {
    }
    ASSERT_EQ(p.Fast.RowRecNos(), PlainRows(p.Plain, spec)) << typed;
  }
  EXPECT_FALSE(p.Fast.Rows.HasQuickFilter());
}

TEST(QuickFilter, DeletingDuringAScanStartsItOver) {
  TPair p(3);
  for (int i = 0; i < 10000; ++i) p.Add(qbmInfo);
  const TQBQuickFilterSpec spec{Term("disk"), {}};
  p.Filter.Start(p.Fast.Rows, spec);
  p.Filter.Run(0us);
  ASSERT_TRUE(p.Filter.Busy());
  for (TViewFixture* f : {&p.Fast, &p.Plain}) {
    f->Rows.SelectRequest(0, true);
    f->Rows.SelectRequest(5, true);
    f->Rows.DeleteSelected();
  }
  p.Filter.Finish();
  EXPECT_EQ(p.Fast.RowRecNos(), PlainRows(p.Plain, spec));
}

TEST(QuickFilter, ExpandingUnderTheFilterShowsOnlyPassingMessagesOfTheBody) {
  TViewFixture f;
  f.Add({qbmEnterMethod, "run"});
  f.Add({qbmInfo, "disk a"});
  f.Add({qbmInfo, "other"});
  f.Add({qbmExitMethod, "run"});
  f.Add({qbmInfo, "disk b"});
  f.Rows.CollapseMethod(0);
  TQBQuickFilter filter;
  filter.Start(f.Rows, {Term("disk"), {}});
  filter.Finish();
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{5}));  // the body stays hidden, the entry does not match
  filter.Start(f.Rows, {Term("disk|run", false, true), {}});
  filter.Finish();
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{1, 5}));
  f.Rows.ExpandMethod(0);
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{1, 2, 4, 5}));
  filter.Clear();
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(QuickFilter, AMethodClosedUnderTheFilterCollapsesAsItsMessageSays) {
  TViewFixture f(/*autoCollapse=*/true);
  TQBQuickFilter filter;
  f.Add({qbmInfo, "x"});
  filter.Start(f.Rows, {Term("x"), {}});
  filter.Finish();
  f.Add({qbmEnterMethod, "a"});
  f.Add({qbmExitMethodCollapse, "a"});  // collapses although neither row is shown
  f.Add({qbmEnterMethod, "x"});
  f.Add({qbmExitMethod, "b"});          // an empty method: auto-collapse
  f.Add({qbmEnterMethod, "x"});
  f.Add({qbmInfo, "y"});
  f.Add({qbmExitMethod, "x"});          // not empty: stays open
  filter.Clear();
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{1, 2, 4, 6, 7, 8}));
}

TEST(QuickFilter, WhatNarrowsWhat) {
  struct TCase {
    TQBQuickFilterSpec Narrower, Wider;
    bool Narrows;
  };
  const TCase cases[] = {
      {{Term("heart"), {}}, {Term(""), {}}, true},
      {{Term("heartbeat"), {}}, {Term("heart"), {}}, true},
      {{Term("HEARTbeat"), {}}, {Term("heart"), {}}, true},            // the plain search folds ASCII letters
      {{Term("HEARTbeat", true), {}}, {Term("heart", true), {}}, false},  // Match case does not
      {{Term("heartbeat"), {}}, {Term("heart", true), {}}, false},     // other options
      {{Term("heartbeat", false, false, true), {}}, {Term("heart"), {}}, false},
      {{Term("a.b", false, true), {}}, {Term("a", false, true), {}}, false},  // expressions only when equal
      {{Term("a.b", false, true), {}}, {Term("a.b", false, true), {}}, true},
      {{Term(""), {Term("x"), Term("y")}}, {Term(""), {Term("y")}}, true},  // more exclusions
      {{Term(""), {Term("y")}}, {Term(""), {Term("x"), Term("y")}}, false},
      {{Term(""), {}}, {Term("heart"), {}}, false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(qbquick::Narrows(c.Narrower, c.Wider), c.Narrows)
        << c.Narrower.Include.Text.toStdString() << " / " << c.Wider.Include.Text.toStdString();
}

TEST(QuickFilter, MatchSpansAndChips) {
  using TSpans = std::vector<std::pair<int, int>>;
  EXPECT_EQ(qbquick::MatchSpans("Disk disk DISK", Term("disk")), (TSpans{{0, 4}, {5, 4}, {10, 4}}));
  EXPECT_EQ(qbquick::MatchSpans("Disk disk DISK", Term("disk", true)), (TSpans{{5, 4}}));
  EXPECT_EQ(qbquick::MatchSpans(QString::fromUtf8("Ärger ärger"), Term("ärger")), (TSpans{{6, 5}}));
  EXPECT_EQ(qbquick::MatchSpans("a1 b22", Term("[0-9]+", false, true)), (TSpans{{1, 1}, {4, 2}}));
  EXPECT_EQ(qbquick::MatchSpans("aaa", Term("x*", false, true)), TSpans{});
  EXPECT_EQ(qbquick::MatchSpans("abc", Term("(", false, true)), TSpans{});
  EXPECT_EQ(qbquick::MatchSpans("abc", Term("")), TSpans{});
  EXPECT_EQ(qbquick::ChipText(Term("heartbeat")), QStringLiteral("exclude 'heartbeat'"));
  EXPECT_EQ(TQBQuickMatcher({Term("(", false, true), {}}).Error().left(20), QStringLiteral("Regular expression: "));
  EXPECT_TRUE(TQBQuickMatcher({Term("("), {}}).Error().isEmpty());
}

}  // namespace
