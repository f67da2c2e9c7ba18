#include "inspectors/parsers/QBDetailsLines.h"
#include "model/QBLineBreaks.h"
#include "inspectors/parsers/QBTextInspectorText.h"
#include "QBParserTestPrint.h"

#include <gtest/gtest.h>

namespace {

struct TLinesCase {
  QString Text;
  QStringList Lines;
};

TEST(DetailsLines, SplitAtEveryKindOfLineBreak) {
  const TLinesCase cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"\r\n", {""}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},  // LF CR is two breaks, not one
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\n", {"a", ""}},
      {"\tx \r\n  y", {"\tx ", "  y"}},
  };
  for (const TLinesCase& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    EXPECT_EQ(SplitDetailsLines(c.Text), c.Lines);
  }
}

TEST(DetailsLines, NormalizeTurnsEveryRunOfBreaksIntoOne) {
  const std::pair<QString, QString> cases[] = {
      {"a\r\n\r\n\r\nb\r\n", "a\r\nb"},
      {"a\n\r\n\rb", "a\r\nb"},
      {"\r\nx", "\r\nx"},  // a leading run stays as one leading break
      {"x\n\n\n", "x"},
      {"\r\n\r\n", ""},
      {"plain", "plain"},
      {"", ""},
  };
  for (const auto& [text, normalized] : cases) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(NormalizeLineBreaks(text), normalized);
  }
}

TEST(DetailsLines, NormalizedTextShowsOnlyItsNonEmptyLines) {
  EXPECT_EQ(SplitDetailsLines(NormalizeLineBreaks(u"a\r\n\n\rb\n")), (QStringList{"a", "b"}));
  EXPECT_EQ(SplitDetailsLines(NormalizeLineBreaks(u"\nfirst")), (QStringList{"", "first"}));
}

TEST(DetailsLines, CopiedLinesEachEndInCrLf) {
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLinesCrLf({}), "");
}

TEST(TextInspectorText, ItemCountSaysItemOnlyForOne) {
  EXPECT_EQ(ItemCountStatus(0), "0 Items");
  EXPECT_EQ(ItemCountStatus(1), "1 Item");
  EXPECT_EQ(ItemCountStatus(2), "2 Items");
  EXPECT_EQ(ItemCountStatus(SplitDetailsLines(u"").size()), "0 Items");
}

TEST(TextInspectorText, CopiedValueIsEverythingAfterTheFirstAssignment) {
  const std::pair<QString, QString> cases[] = {
      {"Count = 12\r\n", "12\r\n"},
      {"no assignment here\r\n", "no assignment here\r\n"},
      {"a = b = c\r\n", "b = c\r\n"},
      {"a=b\r\n", "a=b\r\n"},  // only " = " with its blanks separates
  };
  for (const auto& [text, copied] : cases) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(CopiedValueText(text), copied);
  }
}

}  // namespace
