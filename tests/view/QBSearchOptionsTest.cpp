// The find options "Match case" and "Regular expression" on the view's search. The first row of the
// table is the plain search with both options off, which must stay exactly what it was.

#include "QBViewFixture.h"

#include "view/QBViewSearch.h"

#include <gtest/gtest.h>

using namespace qbtest;

namespace {

// Rows 0 to 4; texts and details chosen so each option changes some answer.
void AddMessages(TViewFixture& f) {
  f.Add({0, "Timeout after 30 s", "retry #1"});
  f.Add({0, "caf\xC3\xA9 cr\xC3\xA8me", "line one\r\nline two"});
  f.Add({0, "ERROR: disk full"});
  f.Add({0, "error: disk ok"});
  f.Add({0, "M\xC3\xBCller [x]"});
}

struct TOptionCase {
  const char* Text;
  bool MatchCase;
  bool Regex;
  bool InDetails;
  int Row;  // the row found from the top, -1 for none
};

const TOptionCase kCases[] = {
    // Both off: ASCII letters fold, nothing else does; an empty text finds nothing.
    {"error", false, false, false, 2},
    {"CAF\xC3\x89", false, false, false, -1},
    {"[x]", false, false, false, 4},
    {"", false, false, true, -1},
    {"retry", false, false, false, -1},
    {"RETRY", false, false, true, 0},
    // Match case: the bytes as they are.
    {"error", true, false, false, 3},
    {"ERROR", true, false, false, 2},
    {"Retry", true, false, true, -1},
    {"M\xC3\xBCller", true, false, false, 4},
    // Regular expression without case: Unicode case folding, lines inside a text.
    {"disk (ok|full)", false, true, false, 2},
    {"^error", false, true, false, 2},
    {"CAF\xC3\x89", false, true, false, 1},
    {"\\d+ s$", false, true, false, 0},
    {"one$", false, true, true, 1},
    {"^line two", false, true, true, 1},
    {"one.line", false, true, true, -1},
    {"\\[x\\]", false, true, false, 4},
    {"[x]", false, true, false, 4},
    {"", false, true, false, -1},
    // Both on.
    {"^error", true, true, false, 3},
    {"Error", true, true, false, -1},
    {"^M\xC3\xBC", true, true, false, 4},
};

TEST(SearchOptions, EachCaseFindsItsRow) {
  for (const TOptionCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.Text << " case=" << c.MatchCase << " regex=" << c.Regex
                                    << " details=" << c.InDetails);
    TViewFixture f;
    AddMessages(f);
    const TQBTextPattern pattern(QString::fromUtf8(c.Text), {c.MatchCase, c.Regex});
    EXPECT_TRUE(pattern.IsValid());
    EXPECT_EQ(TQBViewSearch(f.View).FindText(true, pattern, c.InDetails, false, true), c.Row);
    if (c.Row >= 0) {
      EXPECT_EQ(f.List.CurrentRow(), c.Row);
    } else {
      ASSERT_EQ(f.Host.Notices.size(), 1);
      EXPECT_EQ(f.Host.Notices.front(), QStringLiteral("Search string '%1' not found.").arg(QString::fromUtf8(c.Text)));
    }
    // With both options off the pattern is the plain search, whichever way it is asked for.
    if (!c.MatchCase && !c.Regex) {
      TViewFixture plain;
      AddMessages(plain);
      EXPECT_EQ(TQBViewSearch(plain.View).FindText(true, QString::fromUtf8(c.Text), c.InDetails, false, true), c.Row);
    }
  }
}

TEST(SearchOptions, AFindNextWithAnExpressionGoesOnFromTheCurrentRowBothWays) {
  TViewFixture f;
  AddMessages(f);
  TQBViewSearch search(f.View);
  const TQBTextPattern pattern(QStringLiteral("^(error|timeout)"), {false, true});
  EXPECT_EQ(search.FindText(true, pattern, false, false, true), 0);
  EXPECT_EQ(search.FindText(false, pattern, false, false, true), 2);
  EXPECT_EQ(search.FindText(false, pattern, false, false, true), 3);
  EXPECT_EQ(search.FindText(false, pattern, false, false, false), 2);
}

TEST(SearchOptions, AnInvalidExpressionSaysWhereAndFindsNothing) {
  struct {
    const char* Text;
    qsizetype Offset;
  } cases[] = {{"(unclosed", 9}, {"ab)c", 2}, {"x{2,1}", 5}, {"[z-a]", 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const TQBTextPattern pattern(QString::fromLatin1(c.Text), {false, true});
    EXPECT_FALSE(pattern.IsValid());
    EXPECT_FALSE(pattern.ErrorString().isEmpty());
    EXPECT_EQ(pattern.ErrorOffset(), c.Offset);
    TViewFixture f;
    f.Add({0, c.Text});
    EXPECT_EQ(TQBViewSearch(f.View).FindText(true, pattern, true, false, true), -1);
    // The same text without the option is a plain text and is found.
    EXPECT_TRUE(TQBTextPattern(QString::fromLatin1(c.Text), {}).Matches(c.Text));
  }
}

TEST(SearchOptions, AnExpressionLooksIntoCollapsedMethodsAsThePlainSearchDoes) {
  TViewFixture f;
  f.Add({0, "start"});
  f.Add({9, "enter"});
  f.Add({0, "hidden 42"});
  f.Add({10, "exit"});
  f.Rows.CollapseMethod(1);
  EXPECT_EQ(TQBViewSearch(f.View).FindText(true, TQBTextPattern("\\d{2}$", {false, true}), false, false, true), 2);
  EXPECT_FALSE(f.Rows.IsRowCollapsedMethod(1));
}

// Forty "a" and a "!": "(a+)+$" tries every split of the a's before it fails, far beyond its step limit.
const QByteArray kCatastrophic = QByteArray(40, 'a') + '!';
const TQBTextPattern kNested(QStringLiteral("(a+)+$"), {false, true});

// A text the expression gave up on is neither a match nor silently no match: the search counts such
// messages (once each, text and details together) and says so at its end, found or not.
TEST(SearchOptions, MessagesTheExpressionGaveUpOnAreCountedAndReported) {
  EXPECT_EQ(kNested.Match(kCatastrophic), TQBMatch::Incomplete);
  EXPECT_EQ(kNested.Match("aaa"), TQBMatch::Yes);
  EXPECT_EQ(kNested.Match("b!"), TQBMatch::No);

  TViewFixture f;
  f.Add({0, kCatastrophic, kCatastrophic});
  f.Add({0, "b!", kCatastrophic});
  f.Add({0, "nothing"});
  EXPECT_EQ(TQBViewSearch(f.View).FindText(true, kNested, true, false, true), -1);
  EXPECT_EQ(f.Host.Notices,
            QStringList{"Search string '(a+)+$' not found.\r\r2 messages could not be searched fully."});
  f.Add({0, "ends in aaa"});
  f.Host.Notices.clear();
  TQBViewSearch search(f.View);
  EXPECT_EQ(search.FindText(true, kNested, false, false, true), 3);
  EXPECT_EQ(search.Incomplete(), 1);
  EXPECT_TRUE(f.Host.Notices.isEmpty());
  EXPECT_EQ(f.Host.StatusTexts, QStringList{"1 message could not be searched fully."});
}

// The progress is asked every RowsPerCheck rows and at once after a message the expression gave up
// on; when it says stop, the search ends quietly with nothing selected.
TEST(SearchOptions, TheProgressIsAskedAndCanStopTheSearch) {
  struct TProgress : IQBSearchProgress {
    std::vector<int> Asked;
    size_t StopAt = SIZE_MAX;
    bool Continue(int searched, int) override {
      Asked.push_back(searched);
      return Asked.size() < StopAt;
    }
  };
  TViewFixture f;
  for (int i = 0; i < 2 * TQBViewSearch::RowsPerCheck; ++i) f.Add({0, i == 5 ? kCatastrophic : QByteArray("b")});
  TProgress asked;
  EXPECT_EQ(TQBViewSearch(f.View, &asked).FindText(true, kNested, false, false, true), -1);
  EXPECT_EQ(asked.Asked, (std::vector<int>{6, TQBViewSearch::RowsPerCheck, 2 * TQBViewSearch::RowsPerCheck}));

  TProgress stop;
  stop.StopAt = 1;
  f.Host.Notices.clear();
  TQBViewSearch search(f.View, &stop);
  EXPECT_EQ(search.FindText(true, kNested, false, false, false), -1);
  EXPECT_TRUE(search.Cancelled());
  EXPECT_EQ(stop.Asked.size(), 1u);
  EXPECT_TRUE(f.Host.Notices.isEmpty());
  EXPECT_EQ(f.List.CurrentRow(), -1);
}

// A text longer than a search takes is refused with the reason, never cut short. (An expression may
// fail to compile well below that length; the compiler then says so.)
TEST(SearchOptions, ATextLongerThanASearchTakesIsInvalid) {
  EXPECT_TRUE(TQBTextPattern(QString(TQBTextPattern::MaxTextLength, u'a'), {}).IsValid());
  for (const TQBSearchOptions options : {TQBSearchOptions{}, TQBSearchOptions{false, true}}) {
    const TQBTextPattern tooLong(QString(TQBTextPattern::MaxTextLength + 1, u'a'), options);
    EXPECT_FALSE(tooLong.IsValid());
    EXPECT_EQ(tooLong.ErrorString(), "The text to find is longer than 32767 characters.");
    EXPECT_EQ(tooLong.ErrorOffset(), TQBTextPattern::MaxTextLength);
    EXPECT_FALSE(tooLong.Matches(QByteArray(40000, 'a')));
  }
}

}  // namespace
