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

  // Draws the text at the pen; the pen moves to its end. Only the characters that reach the page are
  // drawn: the rest of a long line would cost time for nothing that can be seen.
  void PrintText(const QString& text);
  // PrintText, then the pen goes to the start of the next line, breaking the page when it is full.
  void PrintLine(const QString& text);

  QPainter& Painter() { return FPainter; }
  // The printable page in printer pixels.
  QSize PageSize() const;
  int PrintResolution() const { return FResolution; }
  int LineHeight() const { return FLineHeight; }
  int LinesPerPage() const { return FLinesPerPage; }
  // The characters of the printer font that fit between the left margin and the page's right edge
  // (the font has a fixed pitch; its narrowest character is taken, so nothing visible is lost).
  int CharsPerLine() const { return CharsFrom(FLeftMargin); }
  int PageNumber() const { return FPageNumber; }

private:
  void PageHeader();
  int CharsFrom(int x) const;

  QPrinter& FPrinter;
  QPainter FPainter;
  QFont FTextFont;
  QFont FHeaderFont;
  QString FTitle;
  int FResolution = 0;
  int FLeftMargin = 0;
  int FTopMargin = 0;
  int FLineHeight = 1;
  int FNarrowest = 1;  // the narrowest character's advance in the text font
  int FLinesPerPage = 1;
  int FLineOnPage = 0;
  int FPageNumber = 1;
  QPoint FPen;
};
