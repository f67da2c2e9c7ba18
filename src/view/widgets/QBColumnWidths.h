#pragma once
// The widths of a view's detail columns. A column grows, never shrinks, when a text is offered that does
// not fit; RecalcColumnWidths starts over from the header words and every message of the view. Names
// are interned in the store, so each distinct name is measured once however many messages carry it.

#include "view/widgets/QBRowText.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <array>
#include <vector>

// Where the message column ends and each visible detail column lies, for one client width.
struct TQBDetailLayout {
  int MessageRight = 0;
  std::array<int, qbrowtext::DetailCount> Left{};
  std::array<int, qbrowtext::DetailCount> Right{};
  std::array<bool, qbrowtext::DetailCount> Visible{};
};

class TQBColumnWidths {
public:
  using TDetail = qbrowtext::TDetail;

  int Width(TDetail d) const { return FWidths[size_t(d)]; }
  // Grows the column to the text's width + 8 when the text + 4 does not fit; true when it grew.
  bool Offer(TDetail d, const QString& text, const QFontMetrics& fm);
  // The four names of a message added to the view; true when a column grew. Names measured before cost
  // only a lookup, so this runs for every message a file adds.
  bool OfferMessage(const TQBMessageRef& m, const QFont& font);
  // The name of the log record recNo came from, when logs were merged; each log is measured once.
  bool OfferLog(const IQBViewHostHooks& host, int recNo, const QFont& font);
  // All widths from scratch: fixed samples for date, time and PID, header words and every item's names
  // (with its log's, when logs were merged).
  void Recalc(const TQBViewRows& rows, const QFont& font);
  // The sum of the visible columns' widths (the time column counts once).
  int VisibleTotal(TQBColumnSet columns) const;
  TQBDetailLayout Layout(int clientRight, TQBColumnSet columns) const;

private:
  bool IsMeasured(TDetail d, uint32_t id) const;
  bool OfferName(TDetail d, uint32_t id, const QString& name, const QFontMetrics& fm);

  std::array<int, qbrowtext::DetailCount> FWidths{};
  // Per detail kind, the name ids already measured since the last Recalc.
  std::array<std::vector<bool>, qbrowtext::DetailCount> FMeasured;
};
