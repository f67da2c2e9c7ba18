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
