#include "view/widgets/QBColumnWidths.h"

#include "view/QBTimeText.h"

#include "model/QBTimeStamp.h"

#include <QDate>

using qbrowtext::TDetail;

bool TQBColumnWidths::Offer(TDetail d, const QString& text, const QFontMetrics& fm) {
  const int w = fm.horizontalAdvance(text);
  int& width = FWidths[size_t(d)];
  if (w + 4 <= width) return false;
  width = w + 8;
  return true;
}

bool TQBColumnWidths::IsMeasured(TDetail d, uint32_t id) const {
  const std::vector<bool>& seen = FMeasured[size_t(d)];
  return id < seen.size() && seen[id];
}

bool TQBColumnWidths::OfferName(TDetail d, uint32_t id, const QString& name, const QFontMetrics& fm) {
  std::vector<bool>& seen = FMeasured[size_t(d)];
  if (id < seen.size() && seen[id]) return false;
  if (id >= seen.size()) seen.resize(size_t(id) + 1, false);
  seen[id] = true;
  return Offer(d, name, fm);
}

bool TQBColumnWidths::OfferMessage(const TQBMessageRef& m, const QFont& font) {
  if (IsMeasured(TDetail::AppName, m.AppNameId()) && IsMeasured(TDetail::Category, m.CategoryId()) &&
      IsMeasured(TDetail::Computer, m.ComputerNameId()) && IsMeasured(TDetail::Thread, m.ThreadNameId()))
    return false;
  const QFontMetrics fm(font);
  bool grew = OfferName(TDetail::AppName, m.AppNameId(), m.AppName(), fm);
  grew |= OfferName(TDetail::Category, m.CategoryId(), m.Category(), fm);
  grew |= OfferName(TDetail::Computer, m.ComputerNameId(), m.ComputerName(), fm);
  grew |= OfferName(TDetail::Thread, m.ThreadNameId(), m.ThreadName(), fm);
  return grew;
}

bool TQBColumnWidths::OfferLog(const IQBViewHostHooks& host, int recNo, const QFont& font) {
  // Asked for every message a file adds: a store of one log answers at the first question.
  if (!host.LogsMerged()) return false;
  const int log = host.SourceLogOf(recNo);
  if (log < 0 || IsMeasured(TDetail::Log, uint32_t(log))) return false;
  return OfferName(TDetail::Log, uint32_t(log), host.SourceLogName(recNo), QFontMetrics(font));
}

void TQBColumnWidths::Recalc(const TQBViewRows& rows, const QFont& font) {
  const QFontMetrics fm(font);
  FWidths.fill(0);
  for (std::vector<bool>& seen : FMeasured) seen.clear();
  Offer(TDetail::Date, QStringLiteral("00/00/0000"), fm);
  // A locale whose short date is longer than the sample must not have its dates clipped.
  Offer(TDetail::Date, qbtimetext::ShortDate(qbtime::DayOf(QDate(2000, 12, 28))), fm);
  Offer(TDetail::Time, QStringLiteral("00:00:00.000"), fm);
  Offer(TDetail::PID, QStringLiteral("000000"), fm);
  Offer(TDetail::Category, QStringLiteral("Category"), fm);
  Offer(TDetail::AppName, QStringLiteral("ZUVazaViredi"), fm);
  Offer(TDetail::Computer, QStringLiteral("Computer"), fm);
  Offer(TDetail::Thread, QStringLiteral("Thread"), fm);
  Offer(TDetail::Log, QStringLiteral("Log"), fm);
  const TQuillboxMessageSet& set = rows.MessageSet();
  const bool merged = rows.Host().LogsMerged();
  for (int item = 0; item < rows.ItemCount(); ++item) {
    const int recNo = rows.ItemRecNo(item);
    OfferMessage(set.At(recNo), font);
    if (merged) OfferLog(rows.Host(), recNo, font);
  }
}

int TQBColumnWidths::VisibleTotal(TQBColumnSet columns) const {
  int total = 0;
  for (int d = 0; d < qbrowtext::DetailCount; ++d)
    if (qbrowtext::IsVisible(TDetail(d), columns)) total += FWidths[size_t(d)];
  return total;
}

TQBDetailLayout TQBColumnWidths::Layout(int clientRight, TQBColumnSet columns) const {
  TQBDetailLayout layout;
  layout.MessageRight = clientRight - VisibleTotal(columns);
  int x = layout.MessageRight;
  for (int d = 0; d < qbrowtext::DetailCount; ++d) {
    if (!qbrowtext::IsVisible(TDetail(d), columns)) continue;
    layout.Visible[size_t(d)] = true;
    layout.Left[size_t(d)] = x;
    x += FWidths[size_t(d)];
    layout.Right[size_t(d)] = x;
  }
  return layout;
}
