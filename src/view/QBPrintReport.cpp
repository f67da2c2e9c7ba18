#include "view/QBPrintReport.h"

#include "view/QBTimeText.h"

#include "model/QBMessageTypes.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------------------------------
// Grid

TQBPrintGrid TQBPrintGrid::Of(int pageWidth, int pageHeight, int lineHeight, double averageCharWidth) {
  TQBPrintGrid g;
  g.PageWidth = std::max(1, pageWidth);
  g.PageHeight = std::max(1, pageHeight);
  g.LineHeight = std::max(1, lineHeight);
  const long cells = averageCharWidth > 0 ? std::max(1L, std::lround(g.PageWidth / averageCharWidth)) : 1L;
  g.CharWidth = std::max(1, int(g.PageWidth / cells));
  g.CharsPerLine = int(cells) - 8;
  g.LinesPerPage = g.PageHeight / g.LineHeight;
  g.IconHeight = std::max(1, int(std::lround(0.8 * g.LineHeight)));
  g.IconWidth = std::max(1, int(std::lround(g.IconHeight * 14.0 / 11.0)));
  g.IconOffset = (g.LineHeight - g.IconHeight) / 2;
  return g;
}

int TQBPrintGrid::SymbolLeft(int indent) const {
  return int(std::lround(CharWidth / 2.0)) + (indent + MarginChars) * CharWidth;
}

int TQBPrintGrid::LastBodyLine() const { return std::max(FirstBodyLine, LinesPerPage - 1); }

// ---------------------------------------------------------------------------------------------------
// Pager

TQBPrintPager::TPlace TQBPrintPager::NextLine() {
  TPlace place;
  if (FPage == 0 || FLine > FGrid.LastBodyLine()) {
    ++FPage;
    FLine = TQBPrintGrid::FirstBodyLine;
    place.StartsPage = true;
  }
  place.Page = FPage;
  place.Line = FLine++;
  return place;
}

// ---------------------------------------------------------------------------------------------------
// Texts

namespace qbprint {

QStringList TextLines(const QString& text, int width) {
  width = std::max(1, width);
  QStringList lines;
  const auto addPieces = [&](QStringView line) {
    do {
      QString piece = line.left(width).toString();
      piece += QString(width - piece.size(), u' ');
      lines << piece;
      line = line.mid(std::min<qsizetype>(width, line.size()));
    } while (!line.isEmpty());
  };
  const QStringView all(text);
  qsizetype start = 0;
  for (qsizetype i = 0; i < all.size(); ++i) {
    const QChar c = all[i];
    if (c != u'\r' && c != u'\n') continue;
    addPieces(all.mid(start, i - start));
    if (c == u'\r' && i + 1 < all.size() && all[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < all.size() || lines.isEmpty()) addPieces(all.mid(start));
  return lines;
}

QString DateText(const QDateTime& when) {
  const QLocale locale = QLocale::system();
  return locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
         locale.toString(when.time(), QLocale::ShortFormat);
}

}  // namespace qbprint

namespace {

// A line with every character that prints nothing removed.
QString PrintedCells(const QString& line) {
  QString cells;
  cells.reserve(line.size());
  for (const QChar c : line)
    if (qbprint::IsPrinted(c.unicode())) cells += c;
  return cells;
}

constexpr int PidWidth = 6;
constexpr int DateWidth = 12;
constexpr int TimeWidth = 14;
constexpr int DateText = 10;  // the texts the date and time fields are padded from
constexpr int TimeText = 12;

// The printed columns in their order.
constexpr TQBColumn kColumns[] = {TQBColumn::Log,       TQBColumn::Category,   TQBColumn::AppName,
                                  TQBColumn::ComputerName, TQBColumn::ProcessID, TQBColumn::ThreadName,
                                  TQBColumn::Date,      TQBColumn::TimeStamp,  TQBColumn::TimeDiff,
                                  TQBColumn::TimeOffset};

QString HeadingOf(TQBColumn column) {
  switch (column) {
    case TQBColumn::Log: return QStringLiteral("Log");
    case TQBColumn::Category: return QStringLiteral("Category");
    case TQBColumn::AppName: return QStringLiteral("AppName");
    case TQBColumn::ComputerName: return QStringLiteral("Computer");
    case TQBColumn::ProcessID: return QStringLiteral("PID");
    case TQBColumn::ThreadName: return QStringLiteral("Thread");
    case TQBColumn::Date: return QStringLiteral("Date");
    case TQBColumn::TimeStamp: return QStringLiteral("Time Stamp");
    case TQBColumn::TimeDiff: return QStringLiteral("Time Diff");
    case TQBColumn::TimeOffset: return QStringLiteral("Time Offset");
  }
  return {};
}

TQBPrintSymbol SymbolOf(int32_t type) {
  switch (type) {
    case qbmSeparator: return TQBPrintSymbol::Separator;
    case qbmInactiveSeparator: return TQBPrintSymbol::InactiveSeparator;
    case qbmResetSeparator: return TQBPrintSymbol::ResetSeparator;
    case qbmAppStartSeparator: return TQBPrintSymbol::AppStartSeparator;
    default: break;
  }
  const bool icon = (type >= 0 && type <= 10) || (type >= 16 && type <= 38) || (type >= 41 && type <= 44) ||
                    qbtypes::IsCustom(type);
  return icon ? TQBPrintSymbol::Icon : TQBPrintSymbol::None;
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Report

TQBPrintReport::TQBPrintReport(const TQBViewRows& rows, const TQBPrintOptions& options, int charsPerLine)
    : FRows(rows), FOptions(options), FCharsPerLine(charsPerLine), FLastItem(rows.ItemCount() - 1) {
  // Only the selection prints when it was asked for and some row carries a selection flag; with none
  // flagged every row prints, as it does when no row is selected.
  if (FOptions.SelectionOnly)
    for (int item = rows.RowCount() > 0 ? rows.NextVisibleItem(0) : -1; item >= 0 && !FSelectedOnly;
         item = rows.NextVisibleItem(item + 1))
      FSelectedOnly = rows.ItemSelected(item);
  const TQuillboxMessageSet& set = rows.MessageSet();
  int last = -1;
  int deepest = 0;
  for (int item = FirstItem(); item >= 0; item = NextItem(item)) {
    ++FRowCount;
    last = item;
    deepest = std::max(deepest, rows.ItemLevel(item));
    const TQBMessageRef m = set.At(rows.ItemRecNo(item));
    FWidths.Category = std::max<int>(FWidths.Category, m.Category().size());
    FWidths.AppName = std::max<int>(FWidths.AppName, m.AppName().size());
    FWidths.Computer = std::max<int>(FWidths.Computer, m.ComputerName().size());
    FWidths.Thread = std::max<int>(FWidths.Thread, m.ThreadName().size());
    FPidDigits = std::max<int>(FPidDigits, QString::number(m.ProcessID()).size());
    if (HasColumn(FOptions.Columns, TQBColumn::Log))
      FWidths.Log = std::max<int>(FWidths.Log, rows.Host().SourceLogName(rows.ItemRecNo(item)).size());
  }
  // The last printed row is fixed now: a row added while the job runs does not print.
  FLastItem = last;
  FLayout = TQBPrintLayout(ColumnSpecs(), charsPerLine, deepest);
}

int TQBPrintReport::NextItem(int item) const {
  if (FRows.RowCount() == 0) return -1;
  const int last = std::min(FLastItem, FRows.ItemCount() - 1);
  for (int next = item + 1 <= last ? FRows.NextVisibleItem(item + 1) : -1; next >= 0 && next <= last;
       next = next + 1 <= last ? FRows.NextVisibleItem(next + 1) : -1)
    if (Prints(next)) return next;
  return -1;
}

std::vector<TQBPrintColumnSpec> TQBPrintReport::ColumnSpecs() const {
  std::vector<TQBPrintColumnSpec> specs;
  const auto name = [&](TQBColumn column, int width) { specs.push_back({column, width, width, false}); };
  const auto number = [&](TQBColumn column, int width, int text) { specs.push_back({column, width, text, true}); };
  for (const TQBColumn column : kColumns) {
    if (!HasColumn(FOptions.Columns, column)) continue;
    switch (column) {
      case TQBColumn::Log: name(column, FWidths.Log); break;
      case TQBColumn::Category: name(column, FWidths.Category); break;
      case TQBColumn::AppName: name(column, FWidths.AppName); break;
      case TQBColumn::ComputerName: name(column, FWidths.Computer); break;
      case TQBColumn::ThreadName: name(column, FWidths.Thread); break;
      case TQBColumn::ProcessID: number(column, std::max(PidWidth, FPidDigits), std::max(3, FPidDigits)); break;
      case TQBColumn::Date: number(column, DateWidth, DateText); break;
      default:
        // One time column prints, the first the set holds.
        if (TimeColumnOf(FOptions.Columns) == TQBColumnSet(column)) number(column, TimeWidth, TimeText);
        break;
    }
  }
  return specs;
}

QString TQBPrintReport::HeadingLine() const {
  const QString parts = FLayout.Line(HeadingOf);
  int messageWidth = FCharsPerLine - int(parts.size()) - 2;
  if (messageWidth < 0) messageWidth = 2;
  const QString message = QStringLiteral("      Message").leftJustified(messageWidth, u' ', true);
  return message + QStringLiteral("  ") + parts;
}

QString TQBPrintReport::ColumnText(int item, TQBColumn column) const {
  const TQBMessageRef m = FRows.MessageSet().At(FRows.ItemRecNo(item));
  switch (column) {
    case TQBColumn::Log: return FRows.Host().SourceLogName(FRows.ItemRecNo(item));
    case TQBColumn::Category: return m.Category();
    case TQBColumn::AppName: return m.AppName();
    case TQBColumn::ComputerName: return m.ComputerName();
    case TQBColumn::ProcessID: return QString::number(m.ProcessID());
    case TQBColumn::ThreadName: return m.ThreadName();
    case TQBColumn::Date: return qbtimetext::ShortDate(m.TimeStamp().Date);
    case TQBColumn::TimeStamp: return qbtimetext::TimeOfDay(m.TimeStamp().Time);
    case TQBColumn::TimeDiff: return qbtimetext::TimeDiffOfItem(FRows, item);
    case TQBColumn::TimeOffset: return qbtimetext::TimeOffsetOfItem(FRows, item);
  }
  return {};
}

TQBPrintRow TQBPrintReport::RowOf(int item) const {
  const TQBMessageRef m = FRows.MessageSet().At(FRows.ItemRecNo(item));
  TQBPrintRow row;
  row.Type = m.MsgType();
  row.Level = FRows.ItemLevel(item);
  row.Indent = FLayout.Indent(row.Level);
  row.Symbol = SymbolOf(row.Type);
  const bool collapsed = FRows.ItemCollapsed(item);
  if (row.Symbol == TQBPrintSymbol::Icon) row.IconIndex = collapsed ? int(qbmCollapsedMethod) : qbtypes::IconIndex(row.Type);
  row.Background = m.CategoryColor();
  row.TextColor = m.CategoryFontColor();
  if (row.Type == qbmSeparator || row.Type == qbmInactiveSeparator || row.Type == qbmAppStartSeparator) {
    row.Lines << QStringLiteral(" ");
    return row;
  }
  row.Prefix = row.Indent + TQBPrintGrid::MarginChars + TQBPrintGrid::SymbolChars;
  const QString columns = FLayout.Line([&](TQBColumn column) { return ColumnText(item, column); });
  const QString blank(columns.size(), u' ');
  const QStringList lines = qbprint::TextLines(m.MsgText(), FLayout.TextWidth(row.Level));
  for (qsizetype i = 0; i < lines.size(); ++i)
    row.Lines << PrintedCells(lines[i] + QStringLiteral("  ") + (i == 0 ? columns : blank));
  return row;
}
