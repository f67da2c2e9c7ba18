#pragma once
// The table inspector's cells: one row per details line, cut at tabs, row 0 the header row.

#include "inspectors/parsers/QBShownText.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class TQBTable {
public:
  // At least 2 rows (the header row and one data row) and 1 column, all cells empty.
  TQBTable() = default;

  int RowCount() const { return int(FRows.size()); }
  int ColumnCount() const { return FColumnCount; }
  // Empty for cells that no line filled (short rows, the empty row under a lone header line).
  QString Cell(int column, int row) const;
  // The fields of a row as the line gave them; may be fewer than ColumnCount.
  const QStringList& RowFields(int row) const { return FRows[size_t(row)]; }

  // Every row, header included, its ColumnCount cells joined by tabs (what copying all rows copies).
  QStringList GetLines() const;
  // The cells of one row joined by tabs: "Copy Selected Row Values".
  QString RowValues(int row) const;
  // "header=cell" for each column, joined by CR LF: "Copy Selected Row Values (as Properties)".
  QString RowAsProperties(int row) const;

private:
  friend TQBTable ParseTable(const QStringList& lines);
  friend struct TQBShownTable ParseShownTable(QByteArrayView utf8);
  std::vector<QStringList> FRows = std::vector<QStringList>(2);
  int FColumnCount = 1;
};

// Cuts each line at every tab; the longest line decides the column count.
TQBTable ParseTable(const QStringList& lines);

// The part of a details text (UTF-8) the table inspector lays out: at most qbshown::MaxColumns
// columns, cells cut to qbshown::MaxLineChars, and as many rows as qbshown::MaxLines, MaxCells and
// MaxChars allow; the counts compare it with the whole text.
struct TQBShownTable {
  TQBTable Table;
  TQBShownCounts Counts;
};
TQBShownTable ParseShownTable(QByteArrayView utf8);
