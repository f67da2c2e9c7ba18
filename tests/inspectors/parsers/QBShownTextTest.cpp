// What the inspectors lay out of a large details text, and the whole text they copy.

#include "inspectors/parsers/QBDetailsLines.h"
#include "inspectors/parsers/QBPrintLayout.h"
#include "inspectors/parsers/QBShownText.h"
#include "inspectors/parsers/QBTableParser.h"
#include "model/QBLineBreaks.h"
#include "QBParserTestPrint.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Short texts of the characters that matter, each read both ways: the bounded split must agree with
// the plain split (and the normalised one) wherever no limit is reached.
TEST(ShownText, SmallTextsGiveTheLinesTheInspectorsAlwaysShowed) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', 'b', '\r', '\n', '\t', ' '};
  for (int i = 0; i < 2000; ++i) {
    QByteArray text;
    for (int n = int(random() % 12); n > 0; --n) text += alphabet[random() % sizeof alphabet];
    SCOPED_TRACE(text.toStdString());
    const QString decoded = QString::fromUtf8(text);
    const TQBShownLines asWritten = ShownLines(text);
    EXPECT_EQ(asWritten.Lines, SplitDetailsLines(decoded));
    EXPECT_TRUE(asWritten.Counts.Complete());
    EXPECT_EQ(ShownLines(text, TQBLineBreaks::Collapsed).Lines, SplitDetailsLines(NormalizeLineBreaks(decoded)));
    EXPECT_EQ(CrLfLines(text), JoinLinesCrLf(SplitDetailsLines(decoded)));
    EXPECT_EQ(CrLfLines(text, TQBLineBreaks::Collapsed), JoinLinesCrLf(SplitDetailsLines(NormalizeLineBreaks(decoded))));
  }
}

TEST(ShownText, LargeTextsShowAMarkedPrefixAndCountTheWhole) {
  const struct {
    const char* Name;
    QByteArray Text;
    qsizetype Shown, Total, Cut;
  } cases[] = {
      {"ten million line feeds", QByteArray(10000000, '\n'), qbshown::MaxLines, 10000000, 0},
      {"one line of a million characters", QByteArray(1000000, 'x'), 1, 1, 1},
      {"many long lines reach the character budget", QByteArray(20000, 'y').append('\n').repeated(1000),
       qbshown::MaxChars / (qbshown::MaxLineChars + 30) + 1, 1000, qbshown::MaxChars / (qbshown::MaxLineChars + 30) + 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TQBShownLines shown = ShownLines(c.Text);
    EXPECT_EQ(shown.Lines.size(), c.Shown);
    EXPECT_EQ(shown.Counts.ShownLines, c.Shown);
    EXPECT_EQ(shown.Counts.TotalLines, c.Total);
    EXPECT_EQ(shown.Counts.CutLines, c.Cut);
    EXPECT_FALSE(shown.Counts.Complete());
    EXPECT_FALSE(ShownNoticeText(shown.Counts).isEmpty());
  }
  // Without a character budget (trees and lists) every line up to the line limit is there.
  EXPECT_EQ(ShownLines(QByteArray(20000, 'y').append('\n').repeated(1000), TQBLineBreaks::AsWritten, qbshown::MaxLines,
                       qbshown::NoCharLimit)
                .Lines.size(),
            1000);
}

TEST(ShownText, ACutLineKeepsItsFirstCharactersAndNamesItsLength) {
  bool cut = false;
  EXPECT_EQ(ShownLine("abcdef", 3, &cut), QString::fromUtf8("abc \u2026 (6 characters in all)"));
  EXPECT_TRUE(cut);
  // Characters, not bytes: "é" is two bytes, and no character is split.
  EXPECT_EQ(ShownLine("\xC3\xA9\xC3\xA9\xC3\xA9", 2, &cut), QString::fromUtf8("\u00E9\u00E9 \u2026 (3 characters in all)"));
  EXPECT_EQ(ShownLine("abc", 3, &cut), "abc");
  EXPECT_FALSE(cut);
}

TEST(ShownText, NoticeSaysWhatWasLeftOut) {
  EXPECT_EQ(ShownNoticeText({5, 5, 0, 2, 2}), QString());
  EXPECT_EQ(ShownNoticeText({100000, 10000000, 0, 0, 0}),
            "Shown: the first 100000 of 10000000 lines. Copy Inspector Contents copies all of it.");
  EXPECT_EQ(ShownNoticeText({2, 2, 1, 1000, 1000000}),
            "Shown: the first 1000 of 1000000 columns; 1 text longer than 10000 characters is cut. Copy Inspector "
            "Contents copies all of it.");
}

TEST(ShownText, TableShowsItsFirstColumnsAndRowsWithinTheCellBudget) {
  QByteArray wide;
  for (int i = 0; i < 1000000; ++i) wide += i ? "\tc" : "c";
  const TQBShownTable million = ParseShownTable(wide);
  EXPECT_EQ(million.Table.ColumnCount(), qbshown::MaxColumns);
  EXPECT_EQ(million.Counts.TotalColumns, 1000000);
  EXPECT_EQ(million.Counts.ShownColumns, qbshown::MaxColumns);
  EXPECT_EQ(million.Table.RowCount(), 2);  // the header row and the empty row below it, as always

  const QByteArray rows = QByteArray("a\tb\tc\td\te\tf\tg\th\ti\tjj\n").repeated(300000);
  const TQBShownTable tall = ParseShownTable(rows);
  EXPECT_EQ(tall.Counts.TotalLines, 300000);
  EXPECT_EQ(tall.Counts.ShownLines, qbshown::MaxCells / 10);
  EXPECT_EQ(tall.Table.RowCount(), qbshown::MaxCells / 10);
  EXPECT_EQ(tall.Table.Cell(9, 7), "jj");

  // A small table is parsed as it always was.
  const QByteArray small = "H1\tH2\tH3\nx\n\ty\tz\tw\n";
  const TQBShownTable shown = ParseShownTable(small);
  const TQBTable plain = ParseTable(SplitDetailsLines(QString::fromUtf8(small)));
  EXPECT_TRUE(shown.Counts.Complete());
  EXPECT_EQ(shown.Table.GetLines(), plain.GetLines());
}

// A property name of 200,000 characters among thousands of short ones: each printed line is cut at
// the page width instead of being padded to the long name.
TEST(ShownText, PrintLayoutsStopAtThePageWidth) {
  QStringList lines{QString(200000, u'k') + "=long"};
  for (int i = 0; i < 4000; ++i) lines << QStringLiteral("Name%1=v").arg(i);
  const QStringList printed = PropertyPrintLines(lines, 100);
  ASSERT_EQ(printed.size(), lines.size());
  for (const QString& line : printed) EXPECT_EQ(line.size(), 100);
  EXPECT_EQ(printed[1], "Name0" + QString(95, u' '));
  EXPECT_EQ(TablePrintLines({"Name\tSize\tKind", "a.txt\t12345678\tfile"}, 10),
            (QStringList{"Name   Siz", "a.txt  123"}));
  EXPECT_EQ(NumberedPrintLines({"abcdef"}, 10), QStringList{"    1:  ab"});
}

}  // namespace
