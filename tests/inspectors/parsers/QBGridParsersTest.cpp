#include "inspectors/parsers/QBCollectionParser.h"
#include "inspectors/parsers/QBTableParser.h"
#include "QBParserTestPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(TableParser, HeaderOnlyStillHasAnEmptyDataRow) {
  const TQBTable table = ParseTable({"Name\tSize"});
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.ColumnCount(), 2);
  EXPECT_EQ(table.GetLines(), (QStringList{"Name\tSize", "\t"}));
}

TEST(TableParser, EmptyDetailsGiveTwoEmptyRowsOfOneColumn) {
  const TQBTable table = ParseTable({});
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.ColumnCount(), 1);
  EXPECT_EQ(table.GetLines(), (QStringList{"", ""}));
}

TEST(TableParser, RaggedRowsGetTheLongestLinesColumns) {
  const TQBTable table = ParseTable({"A\tB", "1", "1\t2\t3\t", ""});
  EXPECT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.ColumnCount(), 4);  // the trailing tab makes a fourth, empty field
  EXPECT_EQ(table.Cell(2, 2), "3");
  EXPECT_EQ(table.Cell(1, 1), "");
  EXPECT_EQ(table.GetLines(), (QStringList{"A\tB\t\t", "1\t\t\t", "1\t2\t3\t", "\t\t\t"}));
}

TEST(TableParser, SelectedRowCopies) {
  const TQBTable table = ParseTable({"Name\tSize\tKind", "a.txt\t12"});
  EXPECT_EQ(table.RowValues(1), "a.txt\t12\t");
  EXPECT_EQ(table.RowAsProperties(1), "Name=a.txt\r\nSize=12\r\nKind=");
}

TEST(CollectionParser, EntriesSplitAtSemicolonsAndBlanks) {
  const std::pair<QString, QStringList> cases[] = {
      {"Caption=Hello World;Width=10", {"Caption=Hello", "World", "Width=10"}},
      {"\"Caption=Hello World\";Width=10", {"Caption=Hello World", "Width=10"}},
      {"  a=1 ;  b=2  ", {"a=1", "b=2"}},
      {"\"say \"\"hi\"\"\";x=1", {"say \"hi\"", "x=1"}},
      {"\"unclosed; x=1", {"unclosed; x=1"}},
      {"a=1;", {"a=1", ""}},    // a final ";" adds an empty entry ...
      {"a=1; ", {"a=1"}},       // ... unless something follows it
      {"a;;b", {"a", "", "b"}},
      {"\"q\"rest;x", {"q", "rest", "x"}},
      {"", {}},
      {QString::fromUtf8("a\0b;c", 5), {"a", "b", "c"}},  // NUL separates like other control characters
  };
  for (const auto& [text, entries] : cases) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(SplitCollectionEntries(text), entries);
  }
}

class CollectionTest : public testing::Test {
protected:
  const std::vector<TQBCollectionItem> FItems =
      ParseCollection({"Item0|Caption=OK;Width=75", "no bar: ignored", "Item1|Tag=a|b", "Empty|"});
};

TEST_F(CollectionTest, OneItemPerLineWithABar) {
  ASSERT_EQ(FItems.size(), 3u);
  EXPECT_EQ(FItems[0].Caption, "Item0");
  EXPECT_EQ(FItems[0].Entries, (QStringList{"Caption=OK", "Width=75"}));
  EXPECT_EQ(FItems[1].Entries, (QStringList{"Tag=a|b"}));  // only the first bar separates
  EXPECT_TRUE(FItems[2].Entries.isEmpty());
}

TEST_F(CollectionTest, LinesIndentEntriesByEightBlanks) {
  EXPECT_EQ(CollectionLines(FItems), (QStringList{"Item0", "        Caption=OK", "        Width=75", "Item1",
                                                  "        Tag=a|b", "Empty"}));
}

TEST_F(CollectionTest, CopyTextSplitsEntriesIntoTabbedNameAndValue) {
  EXPECT_EQ(CollectionCopyText(FItems),
            "Item0\r\n\tCaption\tOK\r\n\tWidth\t75\r\nItem1\r\n\tTag\ta|b\r\nEmpty\r\n");
}

}  // namespace
