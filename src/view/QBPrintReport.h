#pragma once
// The printed report of a view as a character grid, without any printer: the grid's measures, the rows
// that print, the column heading line, every row's lines and where each line lands on which page. The
// printing code (view/widgets/QBReportPrinter) only draws what this hands it.
//
// The grid. Characters are W device pixels wide and lines H high; a line holds C characters from x = 0.
// A page starts with a grey header box from line 2 to line 5 (title, date, "Page: N" on line 3), the
// bold column heading on line 6, and the rows from line 7 to the last line above LinesPerPage. Every row
// line starts with transparent cells (6 margin, 3 for the symbol, 2 per nesting level), then the text
// cut into pieces of the text width, then the column texts; continuation lines leave the column area
// blank. Everything a line draws after its transparent cells shares the row's background. Where the
// columns sit, and how far deep rows indent, is view/QBPrintColumns.
//
// Cost: building the report walks the printed rows once for the widths of the name columns; each row's
// lines are built when the row is reached, so printing holds one row at a time.

#include "view/QBColumns.h"
#include "view/QBPrintColumns.h"
#include "view/QBViewRows.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

struct TQBPrintGrid {
  static constexpr int MarginChars = 6;      // left margin, and the header box's inset on both sides
  static constexpr int SymbolChars = 3;      // the cells a row's symbol sits in
  static constexpr int HeaderTopLine = 2;    // the header box spans lines 2..5
  static constexpr int HeaderBottomLine = 5;
  static constexpr int HeaderTextLine = 3;
  static constexpr int HeadingLine = 6;      // the bold column heading
  static constexpr int FirstBodyLine = 7;

  int PageWidth = 0;
  int PageHeight = 0;
  int CharWidth = 1;     // W
  int LineHeight = 1;    // H
  int CharsPerLine = 1;  // C
  int LinesPerPage = 1;  // page height div H; a page breaks when the line count reaches it
  int IconWidth = 1;
  int IconHeight = 1;
  int IconOffset = 0;    // from the line's top to the icon's

  // The grid of a page (printable area in device pixels) for a font of the given full line height and
  // average character width.
  static TQBPrintGrid Of(int pageWidth, int pageHeight, int lineHeight, double averageCharWidth);

  int LineTop(int line) const { return line * LineHeight; }
  int CellLeft(int cell) const { return cell * CharWidth; }
  // Where a row's symbol starts: half a character into its first symbol cell, after the margin and
  // the row's indentation (in cells).
  int SymbolLeft(int indent) const;
  // The last line that takes a row; at least the first, however small the page.
  int LastBodyLine() const;
};

struct TQBPrintOptions {
  QString Title;
  bool SelectionOnly = false;
  TQBColumnSet Columns = 0;  // independent of the view's own columns
};

// What is drawn before a row's first line.
enum class TQBPrintSymbol : uint8_t { None, Icon, Separator, InactiveSeparator, ResetSeparator, AppStartSeparator };

struct TQBPrintRow {
  int Level = 0;
  int Indent = 0;            // the cells of its indentation: 2 per level, up to the report's cap
  int32_t Type = 0;
  TQBPrintSymbol Symbol = TQBPrintSymbol::None;
  int IconIndex = -1;        // message icon, for TQBPrintSymbol::Icon
  int32_t Background = 0;    // the category colour
  int32_t TextColor = 0;     // the category font colour
  int Prefix = 0;            // transparent cells at the start of every line
  QStringList Lines;         // the cells drawn after the prefix; characters that print nothing are gone
};

class TQBPrintReport {
public:
  // The report of the rows as they are now, for lines of charsPerLine characters.
  TQBPrintReport(const TQBViewRows& rows, const TQBPrintOptions& options, int charsPerLine);

  const TQBPrintOptions& Options() const { return FOptions; }
  // The number of rows that print (the progress total).
  int RowCount() const { return FRowCount; }
  // The printed rows, as items of the view: FirstItem, then NextItem until -1.
  int FirstItem() const { return NextItem(-1); }
  int NextItem(int item) const;

  // The column heading line, printed in bold.
  QString HeadingLine() const;
  // The lines of a printed item and what goes with them.
  TQBPrintRow RowOf(int item) const;

  // Widths of the name columns in characters: at least 8, 7, 8, 6 and 3, and the longest printed value.
  struct TWidths {
    int Category = 8, AppName = 7, Computer = 8, Thread = 6, Log = 3;
  };
  const TWidths& Widths() const { return FWidths; }
  // The printed columns and where they sit on the line.
  const TQBPrintLayout& Layout() const { return FLayout; }

private:
  bool Prints(int item) const { return !FSelectedOnly || FRows.ItemSelected(item); }
  // The columns in order, with their natural and packed widths.
  std::vector<TQBPrintColumnSpec> ColumnSpecs() const;
  // The text of a column for an item.
  QString ColumnText(int item, TQBColumn column) const;

  const TQBViewRows& FRows;
  TQBPrintOptions FOptions;
  int FCharsPerLine;
  bool FSelectedOnly = false;
  int FRowCount = 0;
  int FLastItem;  // the last item that may print
  TWidths FWidths;
  int FPidDigits = 0;     // of the longest printed process id
  TQBPrintLayout FLayout{{}, 1, 0};
};

// Where the lines of a report go. A page begins with the first line printed on it, so a report that
// fills its last page has no empty page after it.
class TQBPrintPager {
public:
  explicit TQBPrintPager(const TQBPrintGrid& grid) : FGrid(grid) {}
  struct TPlace {
    int Page = 0;
    int Line = 0;
    bool StartsPage = false;  // draw the page header (and break the page unless it is the first)
  };
  TPlace NextLine();
  int Pages() const { return FPage; }

private:
  TQBPrintGrid FGrid;
  int FPage = 0;
  int FLine = 0;
};

// Progress of a print job; the printing code calls Start once, then Step after each row is prepared.
class IQBPrintProgress {
public:
  virtual ~IQBPrintProgress() = default;
  virtual void Start(int total) = 0;
  // False once the user cancelled the job.
  virtual bool Step() = 0;
};

namespace qbprint {

// Characters that print: 3-6, 15-17, 21, 32-126 and everything from 128 up; the rest (tab included)
// print nothing and take no cell.
constexpr bool IsPrinted(char16_t c) {
  return (c >= 3 && c <= 6) || (c >= 15 && c <= 17) || c == 21 || (c >= 32 && c <= 126) || c >= 128;
}
// The text cut at line breaks (CR, LF or CR LF; a break at the very end starts no line) and into
// pieces of width characters, each padded with spaces to width.
QStringList TextLines(const QString& text, int width);
// "ddddd  t": the short date and time of the user's locale, two spaces apart.
QString DateText(const QDateTime& when);

}  // namespace qbprint
