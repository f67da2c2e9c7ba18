#pragma once
// One inspector print-out: the pen, paging and page headers of a document of text lines printed in a
// fixed-pitch font. The first page holds up to LinesPerPage lines and every later page one fewer,
// because a new page counts its first line as soon as it starts; a full page breaks at once, even
// after the last line.

#include "view/widgets/QBSharedPrinter.h"

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QString>

class QPrinter;

class TQBPrintJob {
public:
  // Starts the job on the printer and prints the first page header; throws std::runtime_error when the
  // printer cannot start.
  TQBPrintJob(QPrinter& printer, const QString& title);
  // Ends the job, also when printing failed half-way.
  ~TQBPrintJob();
  TQBPrintJob(const TQBPrintJob&) = delete;
  TQBPrintJob& operator=(const TQBPrintJob&) = delete;

  // Draws the text at the pen; the pen moves to its end.
  void PrintText(const QString& text);
  // PrintText, then the pen goes to the start of the next line, breaking the page when it is full.
  void PrintLine(const QString& text);

  QPainter& Painter() { return FPainter; }
  // The printable page in printer pixels.
  QSize PageSize() const;
  int PrintResolution() const { return FResolution; }
  int LineHeight() const { return FLineHeight; }
  int LinesPerPage() const { return FLinesPerPage; }
  int PageNumber() const { return FPageNumber; }

private:
  void PageHeader();

  QPrinter& FPrinter;
  QPainter FPainter;
  QFont FTextFont;
  QFont FHeaderFont;
  QString FTitle;
  int FResolution = 0;
  int FLeftMargin = 0;
  int FTopMargin = 0;
  int FLineHeight = 1;
  int FLinesPerPage = 1;
  int FLineOnPage = 0;
  int FPageNumber = 1;
  QPoint FPen;
};
