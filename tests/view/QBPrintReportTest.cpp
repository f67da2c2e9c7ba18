// The printed report's character grid without a printer: measures, paging, the heading line, every
// row's lines, symbols and the rows that print.

#include "QBViewFixture.h"

#include "view/QBPrintReport.h"
#include "view/QBTimeText.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using qbtest::TMsg;
using qbtest::TViewFixture;

TEST(PrintGrid, MeasuresFollowThePageAndTheFont) {
  const TQBPrintGrid g = TQBPrintGrid::Of(4800, 6600, 100, 60.0);
  EXPECT_EQ(g.CharWidth, 60);       // 4800 div round(4800 / 60)
  EXPECT_EQ(g.CharsPerLine, 72);    // 80 cells less 8
  EXPECT_EQ(g.LinesPerPage, 66);
  EXPECT_EQ(g.IconHeight, 80);
  EXPECT_EQ(g.IconWidth, 102);      // 80 * 14 / 11 rounded
  EXPECT_EQ(g.IconOffset, 10);
  EXPECT_EQ(g.SymbolLeft(0), 30 + 6 * 60);
  EXPECT_EQ(g.SymbolLeft(4), 30 + 10 * 60);  // four cells of indentation: level 2
  // An average width that does not divide the page evenly: W is the page width over the cell count.
  const TQBPrintGrid odd = TQBPrintGrid::Of(1000, 500, 30, 13.0);
  EXPECT_EQ(odd.CharWidth, 1000 / 77);
  EXPECT_EQ(odd.CharsPerLine, 69);
  // Nothing divides by zero on a degenerate font.
  const TQBPrintGrid none = TQBPrintGrid::Of(100, 100, 0, 0.0);
  EXPECT_GE(none.CharWidth, 1);
  EXPECT_GE(none.LineHeight, 1);
}

TEST(PrintPager, RowsFillLinesSevenToTheLastAndPagesStartWithTheirFirstLine) {
  TQBPrintGrid grid = TQBPrintGrid::Of(600, 100, 10, 6.0);  // 10 lines per page: rows on lines 7, 8, 9
  TQBPrintPager pager(grid);
  EXPECT_EQ(pager.Pages(), 0);
  const struct {
    int Page, Line;
    bool Starts;
  } expected[] = {{1, 7, true}, {1, 8, false}, {1, 9, false}, {2, 7, true}, {2, 8, false}, {2, 9, false}, {3, 7, true}};
  for (const auto& e : expected) {
    const TQBPrintPager::TPlace p = pager.NextLine();
    EXPECT_EQ(p.Page, e.Page);
    EXPECT_EQ(p.Line, e.Line);
    EXPECT_EQ(p.StartsPage, e.Starts);
  }
  // A page too small for the header still takes one row per page instead of none.
  TQBPrintPager tiny(TQBPrintGrid::Of(600, 30, 10, 6.0));
  EXPECT_EQ(tiny.NextLine().Line, 7);
  EXPECT_TRUE(tiny.NextLine().StartsPage);
}

TEST(PrintText, CutsAtLineBreaksAndIntoPiecesOfTheTextWidth) {
  const struct {
    const char* Text;
    int Width;
    QStringList Lines;
  } cases[] = {
      {"abc", 5, {"abc  "}},
      {"abcdefg", 3, {"abc", "def", "g  "}},
      {"abcdef", 3, {"abc", "def"}},
      {"a\r\nb", 2, {"a ", "b "}},
      {"a\rb\nc", 1, {"a", "b", "c"}},  // a line feed alone breaks the line too
      {"", 3, {"   "}},
      {"ab\r", 2, {"ab"}},             // a break at the end starts no line
      {"\r\rx", 1, {" ", " ", "x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(qbprint::TextLines(QString::fromLatin1(c.Text), c.Width), c.Lines) << c.Text;
}

TEST(PrintText, OnlyPrintableCharactersTakeACell) {
  for (char16_t c : {u'\t', u'\0', u'\x01', u'\x07', u'\x0b', u'\x12', u'\x7f'}) EXPECT_FALSE(qbprint::IsPrinted(c)) << int(c);
  for (char16_t c : {u'\x03', u'\x06', u'\x0f', u'\x11', u'\x15', u' ', u'~', u'\x80', u'\xe9', u'\x4e2d'})
    EXPECT_TRUE(qbprint::IsPrinted(c)) << int(c);
}

class PrintReportTest : public ::testing::Test {
protected:
  TViewFixture F;
  static constexpr int C = 60;
};

TEST_F(PrintReportTest, HeadingLinePutsTheMessageFirstAndTheColumnsInTheirOrder) {
  F.Add({qbmInfo, "x", {}, "Application1", qbtest::kNoon, qbtest::kDay, "Cat", "Main"});
  const TQBColumnSet columns = colCategory | colAppName | colProcessID | colThreadName | colTimeDiff;
  const int wide = 120;
  const TQBPrintReport report(F.Rows, {QStringLiteral("T"), false, columns}, wide);
  EXPECT_EQ(report.Widths().AppName, 12);  // grown to "Application1"
  EXPECT_EQ(report.Widths().Category, 8);
  ASSERT_TRUE(report.Layout().Natural());
  // The thread heading keeps two blanks from the process id's, as its names keep from the ids.
  const QString parts = QStringLiteral("Category  ") + QStringLiteral("AppName").leftJustified(14) +
                        QStringLiteral("   PID") + QStringLiteral("  Thread  ") + QStringLiteral("     Time Diff");
  const QString expected = QStringLiteral("      Message").leftJustified(wide - parts.size() - 2, u' ', true) + "  " + parts;
  EXPECT_EQ(report.HeadingLine(), expected);
  EXPECT_EQ(report.HeadingLine().size(), wide);
  // Columns that leave the message less than a third of the line: packed and cut, or gone.
  const TQBPrintReport narrow(F.Rows, {QStringLiteral("T"), false, columns}, 20);
  EXPECT_EQ(narrow.HeadingLine(), QStringLiteral("      Message").leftJustified(18) + "  ");
  // No columns: the message part alone fills the line.
  const TQBPrintReport plain(F.Rows, {QStringLiteral("T"), false, 0}, C);
  EXPECT_EQ(plain.HeadingLine(), QStringLiteral("      Message").leftJustified(C - 2) + "  ");
}

// Every column set at every nesting level on lines of every length: the layout of the report as it
// was is kept where it leaves the text a third of the line; elsewhere no line is longer than the line,
// the text keeps its third, the columns are cut from the widest, and every heading stays over its
// column.
TEST(PrintLayout, ColumnsAndNestingFitEveryLine) {
  constexpr uint32_t pid = 4242;
  const struct {
    TQBColumn Column;
    const char* Heading;
    QString Value;
    int Natural;  // its cells in the layout as it was, with its blanks
    int Tight;
  } known[] = {
      {TQBColumn::Category, "Category", QStringLiteral("Scheduler"), 9 + 2, 9},
      {TQBColumn::AppName, "AppName", QStringLiteral("Application"), 11 + 2, 11},
      {TQBColumn::ComputerName, "Computer", QStringLiteral("HOST-01"), 8 + 2, 8},
      {TQBColumn::ProcessID, "PID", QStringLiteral("4242"), 6, 4},
      {TQBColumn::ThreadName, "Thread", QStringLiteral("Worker"), 6 + 2, 6},
      {TQBColumn::Date, "Date", qbtimetext::ShortDate(qbtest::kDay), 12, 10},
      {TQBColumn::TimeStamp, "Time Stamp", qbtimetext::TimeOfDay(qbtest::kNoon), 14, 12},
  };
  const TQBColumnSet all = colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeStamp;
  const TQBColumnSet sets[] = {0, colCategory | colThreadName | colTimeStamp, colProcessID | colThreadName, all};
  for (const int level : {0, 1, 3, 8, 30})
    for (const TQBColumnSet set : sets)
      for (const int c : {40, 72, 104, 150}) {
        SCOPED_TRACE(testing::Message() << "level " << level << ", columns " << set << ", " << c << " characters");
        TViewFixture f;
        for (int i = 0; i < level; ++i) f.Add({qbmEnterMethod, "enter"});
        f.Add({qbmInfo, QByteArray(400, 'x'), {}, "Application", qbtest::kNoon, qbtest::kDay, "Scheduler", "Worker",
               "HOST-01", pid});
        const TQBPrintReport report(f.Rows, {{}, false, set}, c);
        const int item = f.Rows.ItemOfRow(level);
        const TQBPrintRow row = report.RowOf(item);
        ASSERT_EQ(row.Level, level);
        const QString heading = report.HeadingLine();
        const QString first = QString(row.Prefix, u' ') + row.Lines[0];
        const int third = (c + 2) / 3;

        EXPECT_LE(heading.size(), c);
        for (const QString& line : row.Lines) EXPECT_LE(row.Prefix + line.size(), c);
        const int textWidth = int(row.Lines[0].indexOf(u' '));
        EXPECT_GE(textWidth, third) << row.Lines[0].toStdString();

        // Kept as it was wherever that leaves the text its third.
        int natural = set & colProcessID && set & colThreadName ? 2 : 0;
        for (const auto& k : known) natural += HasColumn(set, k.Column) ? k.Natural : 0;
        if (9 + 2 * level + natural + 2 + third <= c) {
          EXPECT_TRUE(report.Layout().Natural());
          EXPECT_EQ(row.Prefix, 9 + 2 * level);
          EXPECT_EQ(first.size(), c);
          EXPECT_EQ(report.Layout().ColumnsWidth(), natural);
        }

        // Each heading over its column, apart from its neighbours; the widest cut first.
        const std::vector<TQBPrintField>& fields = report.Layout().Fields();
        int widest = 0;
        for (const TQBPrintField& field : fields) widest = std::max(widest, field.Width);
        int previous = -1;
        for (const TQBPrintField& field : fields) {
          const auto k = std::find_if(std::begin(known), std::end(known), [&](const auto& k) { return k.Column == field.Column; });
          ASSERT_NE(k, std::end(known));
          EXPECT_TRUE(HasColumn(set, field.Column));
          EXPECT_GT(int(field.Column), previous) << "the columns keep their order";
          previous = int(field.Column);
          for (const auto& [line, text] : {std::pair(heading, QString::fromLatin1(k->Heading)), std::pair(first, k->Value)}) {
            const QString shown = text.left(field.Width);
            const int at = field.Start + (field.Right ? field.Width - int(shown.size()) : 0);
            EXPECT_EQ(line.mid(at, shown.size()), shown) << line.toStdString();
            EXPECT_EQ(line.at(at - 1), u' ') << line.toStdString();
          }
          if (field.Width < k->Tight) EXPECT_GE(field.Width, widest - 1) << "a column was cut before a wider one";
        }
        // A column goes only when every other is down to its last cells.
        if (int(fields.size()) < qPopulationCount(uint(set)))
          for (const TQBPrintField& field : fields) EXPECT_LE(field.Width, 3);
      }
}

TEST_F(PrintReportTest, LongTextContinuesWithBlankColumnsAndTheRowsColours) {
  F.Add({qbmEnterMethod, "method"});
  const int rec = F.Add({qbmInfo, QByteArray(50, 'a') + "\r" + "tail", {}, "App", qbtest::kNoon, qbtest::kDay, "Net", {}, {},
                         4242});
  F.Set.GotoRec(rec);
  const TQBPrintReport report(F.Rows, {{}, false, colCategory | colProcessID}, C);
  const TQBPrintRow row = report.RowOf(F.Rows.ItemOfRow(1));
  EXPECT_EQ(row.Level, 1);
  EXPECT_EQ(row.Prefix, 2 + 6 + 3);
  EXPECT_EQ(row.Symbol, TQBPrintSymbol::Icon);
  EXPECT_EQ(row.IconIndex, int(qbmInfo));
  EXPECT_EQ(row.Background, F.Set.GetCategoryColor());
  const int textWidth = C - row.Prefix - (8 + 2 + 6) - 2;  // 31
  const QString columns = QStringLiteral("Net       ") + QStringLiteral("  4242");
  const QString blank(columns.size(), u' ');
  ASSERT_EQ(row.Lines.size(), 3);
  EXPECT_EQ(row.Lines[0], QString(textWidth, u'a') + "  " + columns);
  EXPECT_EQ(row.Lines[1], QString(50 - textWidth, u'a').leftJustified(textWidth) + "  " + blank);
  EXPECT_EQ(row.Lines[2], QStringLiteral("tail").leftJustified(textWidth) + "  " + blank);
  for (const QString& line : row.Lines) EXPECT_EQ(row.Prefix + line.size(), C);
}

TEST_F(PrintReportTest, CharactersThatPrintNothingLeaveTheLine) {
  F.Add({qbmInfo, "a\tb"});
  const TQBPrintReport report(F.Rows, {{}, false, 0}, C);
  const TQBPrintRow row = report.RowOf(0);
  EXPECT_TRUE(row.Lines[0].startsWith(QStringLiteral("ab ")));
  EXPECT_EQ(row.Prefix + row.Lines[0].size(), C - 1);
}

TEST_F(PrintReportTest, SymbolsFollowTheType) {
  const struct {
    int32_t Type;
    TQBPrintSymbol Symbol;
    int Icon;
    bool OneSpace;
  } cases[] = {
      {qbmWarning, TQBPrintSymbol::Icon, qbmWarning, false},
      {qbmCustomHierarchy, TQBPrintSymbol::Icon, qbmCustomHierarchy, false},
      {150, TQBPrintSymbol::Icon, 45, false},
      {qbmClear, TQBPrintSymbol::None, -1, false},
      {60, TQBPrintSymbol::None, -1, false},
      {qbmSeparator, TQBPrintSymbol::Separator, -1, true},
      {qbmInactiveSeparator, TQBPrintSymbol::InactiveSeparator, -1, true},
      {qbmAppStartSeparator, TQBPrintSymbol::AppStartSeparator, -1, true},
      {qbmResetSeparator, TQBPrintSymbol::ResetSeparator, -1, false},
  };
  for (const auto& c : cases) F.Add({c.Type, "text"});
  const TQBPrintReport report(F.Rows, {{}, false, colCategory}, C);
  int item = report.FirstItem();
  for (const auto& c : cases) {
    ASSERT_GE(item, 0);
    const TQBPrintRow row = report.RowOf(item);
    EXPECT_EQ(row.Symbol, c.Symbol) << c.Type;
    EXPECT_EQ(row.IconIndex, c.Icon) << c.Type;
    if (c.OneSpace) {
      EXPECT_EQ(row.Prefix, 0) << c.Type;
      EXPECT_EQ(row.Lines, QStringList{QStringLiteral(" ")}) << c.Type;
    } else {
      EXPECT_TRUE(row.Lines[0].startsWith(QStringLiteral("text"))) << c.Type;
    }
    item = report.NextItem(item);
  }
  EXPECT_EQ(item, -1);
}

TEST_F(PrintReportTest, ACollapsedMethodPrintsAsItsEnterRowWithTheCollapsedIcon) {
  F.AddTypes({qbmInfo, qbmEnterMethod, qbmInfo, qbmInfo, qbmExitMethod, qbmInfo});
  F.Rows.CollapseMethod(1);
  ASSERT_EQ(F.Rows.RowCount(), 3);
  const TQBPrintReport report(F.Rows, {{}, false, 0}, C);
  EXPECT_EQ(report.RowCount(), 3);
  const int enter = report.NextItem(report.FirstItem());
  const TQBPrintRow row = report.RowOf(enter);
  EXPECT_EQ(row.IconIndex, int(qbmCollapsedMethod));
  EXPECT_TRUE(row.Lines[0].startsWith(QStringLiteral("m2 ")));  // the text alone, no size in brackets
  EXPECT_EQ(F.Set.At(F.Rows.ItemRecNo(report.NextItem(enter))).MsgText(), QStringLiteral("m6"));
}

TEST_F(PrintReportTest, SelectionOnlyPrintsTheFlaggedRowsAndTheirWidths) {
  F.Add({qbmInfo, "a", {}, "App", qbtest::kNoon, qbtest::kDay, "A very long category"});
  F.Add({qbmInfo, "b", {}, "App", qbtest::kNoon, qbtest::kDay, "Short"});
  F.Add({qbmInfo, "c"});
  F.Rows.SetRowSelected(1, true);
  const TQBPrintReport selected(F.Rows, {{}, true, colCategory}, C);
  EXPECT_EQ(selected.RowCount(), 1);
  EXPECT_EQ(selected.FirstItem(), 1);
  EXPECT_EQ(selected.NextItem(1), -1);
  EXPECT_EQ(selected.Widths().Category, 8);  // the unprinted long category does not widen the column

  const TQBPrintReport all(F.Rows, {{}, false, colCategory}, C);
  EXPECT_EQ(all.RowCount(), 3);
  EXPECT_EQ(all.Widths().Category, 20);

  F.Rows.ClearSelection();
  const TQBPrintReport none(F.Rows, {{}, true, 0}, C);
  EXPECT_EQ(none.RowCount(), 3) << "selection only without a selected row prints every row";
}

TEST_F(PrintReportTest, AnEmptyViewPrintsNoRow) {
  const TQBPrintReport report(F.Rows, {{}, true, 0}, C);
  EXPECT_EQ(report.RowCount(), 0);
  EXPECT_EQ(report.FirstItem(), -1);
}

TEST_F(PrintReportTest, RowsAddedAfterTheReportWasMadeDoNotPrint) {
  F.AddTypes({qbmInfo, qbmInfo});
  const TQBPrintReport report(F.Rows, {{}, false, 0}, C);
  F.AddTypes({qbmInfo});
  EXPECT_EQ(report.NextItem(report.FirstItem()), 1);
  EXPECT_EQ(report.NextItem(1), -1);
}

}  // namespace
