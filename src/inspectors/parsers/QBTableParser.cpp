#include "inspectors/parsers/QBTableParser.h"

#include <algorithm>

QString TQBTable::Cell(int column, int row) const {
  const QStringList& fields = FRows[size_t(row)];
  return column < fields.size() ? fields[column] : QString();
}

QString TQBTable::RowValues(int row) const {
  QStringList cells;
  cells.reserve(FColumnCount);
  for (int column = 0; column < FColumnCount; ++column) cells << Cell(column, row);
  return cells.join(u'\t');
}

QStringList TQBTable::GetLines() const {
  QStringList lines;
  lines.reserve(RowCount());
  for (int row = 0; row < RowCount(); ++row) lines << RowValues(row);
  return lines;
}

QString TQBTable::RowAsProperties(int row) const {
  QStringList pairs;
  pairs.reserve(FColumnCount);
  for (int column = 0; column < FColumnCount; ++column) pairs << Cell(column, 0) + u'=' + Cell(column, row);
  return pairs.join(QStringLiteral("\r\n"));
}

TQBTable ParseTable(const QStringList& lines) {
  TQBTable table;
  table.FRows.assign(std::max<size_t>(2, size_t(lines.size())), QStringList());
  for (qsizetype row = 0; row < lines.size(); ++row) {
    QStringList fields = lines[row].split(u'\t');
    table.FColumnCount = std::max(table.FColumnCount, int(fields.size()));
    table.FRows[size_t(row)] = std::move(fields);
  }
  return table;
}

namespace {

// Fields of a line: its tab count + 1.
int FieldCount(QByteArrayView line) { return int(std::min<qsizetype>(line.count('\t') + 1, INT32_MAX)); }

}  // namespace

TQBShownTable ParseShownTable(QByteArrayView utf8) {
  TQBShownTable shown;
  TQBShownCounts& counts = shown.Counts;
  ForEachLine(utf8, TQBLineBreaks::AsWritten, [&](QByteArrayView line) {
    ++counts.TotalLines;
    counts.TotalColumns = std::max(counts.TotalColumns, FieldCount(line));
    return true;
  });
  counts.TotalColumns = std::max(counts.TotalColumns, 1);
  counts.ShownColumns = std::min(counts.TotalColumns, qbshown::MaxColumns);
  const qsizetype maxRows = std::min(qbshown::MaxLines, qbshown::MaxCells / counts.ShownColumns);
  TQBTable& table = shown.Table;
  table.FRows.assign(size_t(std::max<qsizetype>(2, std::min(counts.TotalLines, maxRows))), QStringList());
  qsizetype chars = 0;
  ForEachLine(utf8, TQBLineBreaks::AsWritten, [&](QByteArrayView line) {
    if (counts.ShownLines == maxRows || chars >= qbshown::MaxChars) return false;
    QStringList& fields = table.FRows[size_t(counts.ShownLines++)];
    bool rowCut = false;
    for (qsizetype start = 0; fields.size() < counts.ShownColumns;) {
      const qsizetype tab = line.indexOf('\t', start);
      bool cut = false;
      fields << ShownLine(line.sliced(start, (tab < 0 ? line.size() : tab) - start), qbshown::MaxLineChars, &cut);
      chars += fields.back().size();
      rowCut |= cut;
      if (tab < 0) break;
      start = tab + 1;
    }
    counts.CutLines += rowCut;
    table.FColumnCount = std::max(table.FColumnCount, int(fields.size()));
    return true;
  });
  table.FRows.resize(size_t(std::max<qsizetype>(2, counts.ShownLines)));
  return shown;
}
