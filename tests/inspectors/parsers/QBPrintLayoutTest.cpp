#include "inspectors/parsers/QBPrintLayout.h"
#include "QBParserTestPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintLayout, TableColumnsAlignToTheirWidestField) {
  EXPECT_EQ(TablePrintLines({"Name\tSize\tKind", "a.txt\t12345678\tfile", "b\t\t"}),
            (QStringList{"Name   Size      Kind", "a.txt  12345678  file", "b                "}));
  EXPECT_TRUE(TablePrintLines({}).isEmpty());
  EXPECT_EQ(TablePrintLines({"only"}), (QStringList{"only"}));
}

TEST(PrintLayout, TableLinesLongerThanTheFirstStillAlign) {
  EXPECT_EQ(TablePrintLines({"a\tb", "1\t2\t3", "11\t22\t33\t4"}),
            (QStringList{"a   b", "1   2   3", "11  22  33  4"}));
}

TEST(PrintLayout, PropertiesAlignAtTheEqualsSign) {
  EXPECT_EQ(PropertyPrintLines({"Font=(TFont)", "Font.Name=Tahoma=x", "no equals sign", "A="}),
            (QStringList{"Font       (TFont)", "Font.Name  Tahoma=x", "no equals sign", "A          "}));
  EXPECT_TRUE(PropertyPrintLines({}).isEmpty());
}

TEST(PrintLayout, NumbersAreRightAlignedAndPrintedWhole) {
  const QStringList short5 = NumberedPrintLines({"first", "second"});
  EXPECT_EQ(short5, (QStringList{"    1:  first", "    2:  second"}));
  // A list of 100000 lines widens the column to six characters instead of cutting its numbers.
  QStringList lines(100000, QStringLiteral("x"));
  lines[0] = "first";
  const QStringList printed = NumberedPrintLines(lines);
  EXPECT_EQ(printed[0], "     1:  first");
  EXPECT_EQ(printed[9999], " 10000:  x");
  EXPECT_EQ(printed[99999], "100000:  x");
  EXPECT_TRUE(NumberedPrintLines({}).isEmpty());
}

TEST(PrintLayout, PictureFillsThePageKeepingItsProportions) {
  const struct {
    QSize Picture, Page;
    QRect Expected;
  } cases[] = {
      {{2000, 1000}, {4800, 6600}, {0, 2100, 4800, 2400}},
      {{10, 10}, {4800, 6600}, {0, 900, 4800, 4800}},  // a small picture is enlarged
      {{1000, 3000}, {4800, 6600}, {1300, 0, 2200, 6600}},
      {{3, 2}, {10, 10}, {0, 1, 10, 7}},               // 6.666... rounds to 7
      {{4, 1}, {10, 10}, {0, 4, 10, 2}},               // 2.5 rounds to even 2
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaledPictureRect(c.Picture, c.Page), c.Expected);
  }
  EXPECT_TRUE(ScaledPictureRect({0, 100}, {4800, 6600}).isNull());
}

}  // namespace
