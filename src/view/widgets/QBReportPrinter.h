#pragma once
// Draws a view's printed report (view/QBPrintReport) on a printer or a PDF file, page by page: nothing
// of a page is kept once the next one begins, so the memory a job takes does not grow with the view.
//
// Every character sits in its grid cell: a line's characters are drawn as one glyph run with a
// position per cell (one call), over one rectangle of the row's background. Characters the body font
// lacks are drawn on their own, in their cell, in whatever font the system finds for them.

#include "view/QBPrintReport.h"
#include "view/widgets/QBColorValue.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QRawFont>

#include <map>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// What the report takes from the view besides its rows.
struct TQBReportLook {
  QList<QIcon> MessageIcons;
  int32_t SeparatorColor = qbcolor::Rgb(137, 173, 228);
  int32_t InactiveSeparatorColor = qbcolor::Rgb(214, 207, 169);
  int32_t AppStartSeparatorColor = qbcolor::Rgb(137, 173, 228);
};

// Prints the report of rows on printer with the body font at fontSize points. A PDF printer's file is
// written through a temporary beside it, so a cancelled or failed job leaves an earlier file whole.
// Returns false when the progress reported a cancel; throws std::runtime_error with the text to report
// when the job cannot be printed.
bool QBPrintViewReport(QPrinter& printer, const TQBViewRows& rows, const TQBPrintOptions& options, int fontSize,
                       const TQBReportLook& look, IQBPrintProgress* progress);

// The drawing of one report on a paged device whose painter is already active.
class TQBReportRenderer {
public:
  TQBReportRenderer(QPagedPaintDevice& device, QPainter& painter, int fontSize, const TQBReportLook& look);

  const TQBPrintGrid& Grid() const { return FGrid; }
  // Prints every row of the report; false when the progress reported a cancel (the pages so far stay
  // drawn: the caller discards them).
  bool Print(const TQBPrintReport& report, IQBPrintProgress* progress);

private:
  void PageHeader(const TQBPrintReport& report, int page);
  void DrawSymbol(const TQBPrintRow& row, int line);
  // Draws cells from cell firstCell on line, over back unless it is null.
  void DrawCells(int line, int firstCell, const QString& cells, bool bold, const QColor* back, const QColor& text);
  const QImage& IconImage(int index);

  QPagedPaintDevice& FDevice;
  QPainter& FPainter;
  const TQBReportLook& FLook;
  QFont FBody;
  QFont FBold;
  QFont FHeader;
  QRawFont FBodyRaw;
  QRawFont FBoldRaw;
  int FAscent = 0;
  int FPenWidth = 1;
  int FLastCell = 0;  // cells from here on lie past the page's right edge
  TQBPrintGrid FGrid;
  QString FDateText;
  std::map<int, QImage> FIcons;
  QImage FCheckerboard;
};
