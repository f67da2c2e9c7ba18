#include "inspectors/QBPrintJob.h"

#include <QFontMetrics>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace {
QFont PrinterFont(const QString& family, int points, bool bold, QFont::StyleHint hint) {
  QFont font(family, points, bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(hint);
  return font;
}
}  // namespace

TQBPrintJob::TQBPrintJob(QPrinter& printer, const QString& title)
    : FPrinter(printer),
      FTextFont(PrinterFont(QStringLiteral("Courier New"), 8, false, QFont::TypeWriter)),
      FHeaderFont(PrinterFont(QStringLiteral("Tahoma"), 12, true, QFont::SansSerif)),
      FTitle(title) {
  if (!FPainter.begin(&FPrinter)) throw std::runtime_error("The printer could not start the print job.");
  FPainter.setFont(FTextFont);
  FResolution = FPrinter.logicalDpiY();
  FLeftMargin = FResolution;
  FTopMargin = FResolution;
  const QFontMetrics metrics(FTextFont, &FPrinter);
  FLineHeight = std::max(1, metrics.height());
  FNarrowest = std::max(1, std::min(metrics.horizontalAdvance(u'.'), metrics.horizontalAdvance(u'M')));
  FLinesPerPage = std::max(1, (PageSize().height() - FResolution - FResolution / 2) / FLineHeight);
  FPen = {FLeftMargin, FTopMargin};
  PageHeader();
}

TQBPrintJob::~TQBPrintJob() {
  if (FPainter.isActive()) FPainter.end();
}

QSize TQBPrintJob::PageSize() const { return {FPrinter.width(), FPrinter.height()}; }

void TQBPrintJob::PageHeader() {
  FPainter.setFont(FHeaderFont);
  const QString text = QStringLiteral("%1  --  Page %2").arg(FTitle).arg(FPageNumber);
  FPainter.drawText(FLeftMargin, FTopMargin / 2 + FPainter.fontMetrics().ascent(), text);
  FPen = {FLeftMargin, FTopMargin};
  FPainter.setFont(FTextFont);
}

int TQBPrintJob::CharsFrom(int x) const { return std::max(0, (PageSize().width() - x) / FNarrowest + 1); }

void TQBPrintJob::PrintText(const QString& text) {
  const QFontMetrics metrics = FPainter.fontMetrics();
  const QString shown = text.left(CharsFrom(FPen.x()));
  FPainter.drawText(FPen.x(), FPen.y() + metrics.ascent(), shown);
  // Past the page's edge the pen stays there: whatever follows is not seen either.
  FPen.rx() += shown.size() == text.size() ? metrics.horizontalAdvance(text) : PageSize().width();
}

void TQBPrintJob::PrintLine(const QString& text) {
  PrintText(text);
  FPen = {FLeftMargin, FPen.y() + FLineHeight};
  if (++FLineOnPage < FLinesPerPage) return;
  ++FPageNumber;
  FLineOnPage = 1;
  FPrinter.newPage();
  PageHeader();
}
