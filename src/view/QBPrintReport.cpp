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

int TQBPrintGrid::SymbolLeft(int level) const {
  return int(std::lround(CharWidth / 2.0)) + (2 * level + MarginChars) * CharWidth;
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

QString LeftIn(const QString& text, int width) { return text.leftJustified(width + 2, u' '); }

struct TTimeCaption {
  TQBColumn Column;
  const char* Heading;  // right-aligned in 14 characters
};
constexpr TTimeCaption kTimeCaptions[] = {
    {TQBColumn::TimeStamp, "    Time Stamp"}, {TQBColumn::TimeDiff, "     Time Diff"}, {TQBColumn::TimeOffset, "   Time Offset"}};

constexpr int PidWidth = 6;
constexpr int DateWidth = 12;
constexpr int TimeWidth = 14;

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
  for (int item = FirstItem(); item >= 0; item = NextItem(item)) {
    ++FRowCount;
    last = item;
    const TQBMessageRef m = set.At(rows.ItemRecNo(item));
    FWidths.Category = std::max<int>(FWidths.Category, m.Category().size());
    FWidths.AppName = std::max<int>(FWidths.AppName, m.AppName().size());
    FWidths.Computer = std::max<int>(FWidths.Computer, m.ComputerName().size());
    FWidths.Thread = std::max<int>(FWidths.Thread, m.ThreadName().size());
  }
  // The last printed row is fixed now: a row added while the job runs does not print.
  FLastItem = last;
}

int TQBPrintReport::NextItem(int item) const {
  if (FRows.RowCount() == 0) return -1;
  const int last = std::min(FLastItem, FRows.ItemCount() - 1);
  for (int next = item + 1 <= last ? FRows.NextVisibleItem(item + 1) : -1; next >= 0 && next <= last;
       next = next + 1 <= last ? FRows.NextVisibleItem(next + 1) : -1)
    if (Prints(next)) return next;
  return -1;
}

int TQBPrintReport::ColumnsWidth() const {
  const TQBColumnSet c = FOptions.Columns;
  int width = 0;
  if (HasColumn(c, TQBColumn::Category)) width += FWidths.Category + 2;
  if (HasColumn(c, TQBColumn::AppName)) width += FWidths.AppName + 2;
  if (HasColumn(c, TQBColumn::ComputerName)) width += FWidths.Computer + 2;
  if (HasColumn(c, TQBColumn::ProcessID)) width += PidWidth;
  if (HasColumn(c, TQBColumn::ThreadName)) width += FWidths.Thread + 2;
  if (HasColumn(c, TQBColumn::Date)) width += DateWidth;
  if (TimeColumnOf(c)) width += TimeWidth;
  return width;
}

QString TQBPrintReport::HeadingLine() const {
  const TQBColumnSet c = FOptions.Columns;
  QString parts;
  if (HasColumn(c, TQBColumn::Category)) parts += LeftIn(QStringLiteral("Category"), FWidths.Category);
  if (HasColumn(c, TQBColumn::AppName)) parts += LeftIn(QStringLiteral("AppName"), FWidths.AppName);
  if (HasColumn(c, TQBColumn::ComputerName)) parts += LeftIn(QStringLiteral("Computer"), FWidths.Computer);
  if (HasColumn(c, TQBColumn::ProcessID)) parts += QStringLiteral("   PID");
  if (HasColumn(c, TQBColumn::ThreadName)) parts += LeftIn(QStringLiteral("Thread"), FWidths.Thread);
  if (HasColumn(c, TQBColumn::Date)) parts += QStringLiteral("        Date");
  for (const TTimeCaption& t : kTimeCaptions)
    if (TimeColumnOf(c) == TQBColumnSet(t.Column)) parts += QLatin1String(t.Heading);
  int messageWidth = FCharsPerLine - int(parts.size()) - 2;
  if (messageWidth < 0) messageWidth = 2;
  const QString message = QStringLiteral("      Message").leftJustified(messageWidth, u' ', true);
  return message + QStringLiteral("  ") + parts;
}

QString TQBPrintReport::ColumnTexts(int item) const {
  const TQBColumnSet c = FOptions.Columns;
  const TQBMessageRef m = FRows.MessageSet().At(FRows.ItemRecNo(item));
  QString text;
  if (HasColumn(c, TQBColumn::Category)) text += LeftIn(m.Category(), FWidths.Category);
  if (HasColumn(c, TQBColumn::AppName)) text += LeftIn(m.AppName(), FWidths.AppName);
  if (HasColumn(c, TQBColumn::ComputerName)) text += LeftIn(m.ComputerName(), FWidths.Computer);
  if (HasColumn(c, TQBColumn::ProcessID)) text += QString::number(m.ProcessID()).rightJustified(PidWidth, u' ');
  if (HasColumn(c, TQBColumn::ThreadName)) text += LeftIn(m.ThreadName(), FWidths.Thread);
  if (HasColumn(c, TQBColumn::Date))
    text += qbtimetext::ShortDate(m.TimeStamp().Date).rightJustified(DateWidth, u' ');
  switch (TQBColumn(TimeColumnOf(c))) {
    case TQBColumn::TimeStamp: text += qbtimetext::TimeOfDay(m.TimeStamp().Time).rightJustified(TimeWidth, u' '); break;
    case TQBColumn::TimeDiff: text += qbtimetext::TimeDiffOfItem(FRows, item).rightJustified(TimeWidth, u' '); break;
    case TQBColumn::TimeOffset: text += qbtimetext::TimeOffsetOfItem(FRows, item).rightJustified(TimeWidth, u' '); break;
    default: break;
  }
  return text;
}

TQBPrintRow TQBPrintReport::RowOf(int item) const {
  const TQBMessageRef m = FRows.MessageSet().At(FRows.ItemRecNo(item));
  TQBPrintRow row;
  row.Type = m.MsgType();
  row.Level = FRows.ItemLevel(item);
  row.Symbol = SymbolOf(row.Type);
  const bool collapsed = FRows.ItemCollapsed(item);
  if (row.Symbol == TQBPrintSymbol::Icon) row.IconIndex = collapsed ? int(qbmCollapsedMethod) : qbtypes::IconIndex(row.Type);
  row.Background = m.CategoryColor();
  row.TextColor = m.CategoryFontColor();
  if (row.Type == qbmSeparator || row.Type == qbmInactiveSeparator || row.Type == qbmAppStartSeparator) {
    row.Lines << QStringLiteral(" ");
    return row;
  }
  row.Prefix = 2 * row.Level + TQBPrintGrid::MarginChars + TQBPrintGrid::SymbolChars;
  const QString columns = ColumnTexts(item);
  const QString blank(columns.size(), u' ');
  int textWidth = FCharsPerLine - row.Prefix - ColumnsWidth() - 2;
  // Narrower than one character the text could never be cut into pieces.
  if (textWidth < 1) textWidth = 2;
  const QStringList lines = qbprint::TextLines(m.MsgText(), textWidth);
  for (qsizetype i = 0; i < lines.size(); ++i)
    row.Lines << PrintedCells(lines[i] + QStringLiteral("  ") + (i == 0 ? columns : blank));
  return row;
}
