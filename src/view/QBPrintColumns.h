#pragma once
// Where the detail columns of the printed report sit on a line of C characters, and how far rows
// indent, so that the message text keeps room on every row.
//
// The natural layout: the columns at the right end of the line, each name column left-aligned in its
// width and followed by two blanks, the process id, date and time right-aligned in 6 (or the longest
// id), 12 and 14 characters; a name column after the process id keeps two blanks from it. A row's text
// takes what its margin (6), symbol (3), indentation (2 per level), the two blanks before the columns
// and the columns leave.
//
// That layout is kept exactly whenever it leaves the text of the deepest printed row at least a third
// of the line. Otherwise the columns are packed (two blanks between them, no padding) and cut to fit
// one cell at a time from the widest (the later one on a tie); a column cut below 3 cells is dropped.
// The columns may take what the deepest row's indentation leaves, and at least half of the room beside
// the text's third; rows nested deeper than the rest of that room stop indenting further. So no line is
// longer than C (from C = 12 up), the text keeps its third (from C = 17 up), and every heading stands
// over its column.

#include "view/QBColumns.h"

#include <QString>

#include <functional>
#include <vector>

// A detail column as it prints: its cells on the line and how its texts sit in them.
struct TQBPrintField {
  TQBColumn Column = TQBColumn::Category;
  int Start = 0;   // its first cell, counted from the line's first cell
  int Width = 0;   // the cells its text takes; a longer text is cut
  bool Right = false;
};

// A printed column before it is placed.
struct TQBPrintColumnSpec {
  TQBColumn Column = TQBColumn::Category;
  int Width = 0;  // its natural width
  int Tight = 0;  // the width of its longest text without padding
  bool Right = false;
};

class TQBPrintLayout {
public:
  static constexpr int TextStart = 9;  // margin and symbol cells before a row at level 0
  static constexpr int Gap = 2;        // blanks after the text and between packed columns

  // The layout of columns (in column order) on lines of charsPerLine characters whose deepest printed
  // row has the given nesting level.
  TQBPrintLayout(const std::vector<TQBPrintColumnSpec>& columns, int charsPerLine, int deepestLevel);

  // Whether the natural layout is kept.
  bool Natural() const { return FNatural; }
  const std::vector<TQBPrintField>& Fields() const { return FFields; }
  // The cells from the first column's start to the end of the column area.
  int ColumnsWidth() const { return FColumnsWidth; }
  // The indentation of a row at level (2 per level, up to the cap).
  int Indent(int level) const;
  // The cells a row's text takes on each of its lines (2 when the line leaves none).
  int TextWidth(int level) const;
  // The column area of a line, each field holding textOf(its column) cut and aligned.
  QString Line(const std::function<QString(TQBColumn)>& textOf) const;

private:
  void Place(std::vector<TQBPrintField>& fields, bool packed);

  int FCharsPerLine;
  bool FNatural = true;
  std::vector<TQBPrintField> FFields;
  int FColumnsWidth = 0;
  int FIndentCap = 0;
};
