#include "view/widgets/QBReportPrinter.h"

#include "view/widgets/QBSeparatorPainter.h"
#include "view/widgets/QBSharedPrinter.h"

#include "model/QBFileCheck.h"

#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// "Courier New" at a size in device pixels; where it is missing, the fixed-pitch family the system
// offers, so that the characters still fill equal cells.
QFont BodyFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(bold);
  font.setKerning(false);
  if (!QFontInfo(font).fixedPitch()) font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
  return font;
}

QFont HeaderFont(int pixelSize) {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(true);
  return font;
}

std::runtime_error CannotWrite(const QString& path, const QString& reason) {
  return std::runtime_error(
      QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), reason).toStdString());
}

const char* const PrinterFailed = "The printer could not print the messages.";

bool PrintOn(QPagedPaintDevice& device, const TQBViewRows& rows, const TQBPrintOptions& options, int fontSize,
             const TQBReportLook& look, IQBPrintProgress* progress) {
  QPainter painter;
  if (!painter.begin(&device)) throw std::runtime_error(PrinterFailed);
  TQBReportRenderer renderer(device, painter, fontSize, look);
  const bool done = renderer.Print(TQBPrintReport(rows, options, renderer.Grid().CharsPerLine), progress);
  painter.end();
  return done;
}

}  // namespace

bool QBPrintViewReport(QPrinter& printer, const TQBViewRows& rows, const TQBPrintOptions& options, int fontSize,
                       const TQBReportLook& look, IQBPrintProgress* progress) {
  if (!QBPrintsToPdf(printer)) {
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error(PrinterFailed);
    TQBReportRenderer renderer(printer, painter, fontSize, look);
    const bool done = renderer.Print(TQBPrintReport(rows, options, renderer.Grid().CharsPerLine), progress);
    if (!done) printer.abort();
    painter.end();
    if (done && printer.printerState() == QPrinter::Error) throw std::runtime_error(PrinterFailed);
    return done;
  }
  const QString path = printer.outputFileName();
  // Written through a temporary file that then takes the name: a device node or a pipe is refused,
  // never replaced by a file.
  if (const QString problem = OutputTargetProblem(path); !problem.isEmpty()) throw CannotWrite(path, problem);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw CannotWrite(path, file.errorString());
  bool done = false;
  {
    QPdfWriter writer(&file);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setTitle(options.Title);
    writer.setCreator(QStringLiteral("Quillbox File Viewer"));
    done = PrintOn(writer, rows, options, fontSize, look, progress);
  }
  if (!done) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) throw CannotWrite(path, file.errorString());
  return true;
}

// ---------------------------------------------------------------------------------------------------

TQBReportRenderer::TQBReportRenderer(QPagedPaintDevice& device, QPainter& painter, int fontSize,
                                     const TQBReportLook& look)
    : FDevice(device), FPainter(painter), FLook(look) {
  // The body font at fontSize points of the device's vertical resolution.
  const int dpi = std::max(1, device.logicalDpiY());
  const int pixels = int(std::lround(std::max(1, fontSize) * dpi / 72.0));
  FBody = BodyFont(pixels, false);
  FBold = BodyFont(pixels, true);
  FHeader = HeaderFont(pixels);
  FBodyRaw = QRawFont::fromFont(FBody);
  FBoldRaw = QRawFont::fromFont(FBold);
  const QFontMetrics metrics(FBody, &device);
  FAscent = metrics.ascent();
  FPenWidth = std::max(1, dpi / 100);
  FGrid = TQBPrintGrid::Of(device.width(), device.height(), metrics.height(), metrics.averageCharWidth());
  FLastCell = (FGrid.PageWidth + FGrid.CharWidth - 1) / FGrid.CharWidth;
  FDateText = qbprint::DateText(QDateTime::currentDateTime());
  // The application start pattern at the device's scale, so its squares stay visible on paper.
  const int scale = std::max(1, int(std::lround(dpi / 96.0)));
  const QColor window = qbcolor::SystemQColor(qbcolor::SysWindow, QGuiApplication::palette());
  FCheckerboard = qbseparators::Checkers(window, qbcolor::ToQColor(look.AppStartSeparatorColor))
                      .toImage()
                      .scaled(8 * scale, 8 * scale);
}

bool TQBReportRenderer::Print(const TQBPrintReport& report, IQBPrintProgress* progress) {
  if (progress) progress->Start(report.RowCount());
  TQBPrintPager pager(FGrid);
  const QString heading = report.HeadingLine();
  for (int item = report.FirstItem(); item >= 0; item = report.NextItem(item)) {
    const TQBPrintRow row = report.RowOf(item);
    if (progress && !progress->Step()) return false;
    const QColor back = qbcolor::ToQColor(row.Background);
    const QColor text = qbcolor::ToQColor(row.TextColor);
    for (qsizetype i = 0; i < row.Lines.size(); ++i) {
      const TQBPrintPager::TPlace place = pager.NextLine();
      if (place.StartsPage) {
        if (place.Page > 1 && !FDevice.newPage()) throw std::runtime_error(PrinterFailed);
        PageHeader(report, place.Page);
        DrawCells(TQBPrintGrid::HeadingLine, 0, heading, true, nullptr, Qt::black);
      }
      if (i == 0) DrawSymbol(row, place.Line);
      DrawCells(place.Line, row.Prefix, row.Lines[i], false, &back, text);
    }
  }
  return true;
}

void TQBReportRenderer::PageHeader(const TQBPrintReport& report, int page) {
  const TQBPrintGrid& g = FGrid;
  const int left = TQBPrintGrid::MarginChars * g.CharWidth;
  const int right = g.PageWidth - left;
  FPainter.setPen(QPen(Qt::black, FPenWidth));
  FPainter.setBrush(QColor(204, 204, 204));
  FPainter.drawRect(QRect(left, g.LineTop(TQBPrintGrid::HeaderTopLine), right - left,
                          g.LineTop(TQBPrintGrid::HeaderBottomLine) - g.LineTop(TQBPrintGrid::HeaderTopLine)));
  FPainter.setBrush(Qt::NoBrush);
  FPainter.setFont(FHeader);
  const int baseline = g.LineTop(TQBPrintGrid::HeaderTextLine) + QFontMetrics(FHeader, &FDevice).ascent();
  const QString pageText = QStringLiteral("Page: %1").arg(page);
  FPainter.drawText(left + 20, baseline, report.Options().Title);
  FPainter.drawText(g.PageWidth / 2, baseline, FDateText);
  FPainter.drawText(right - int(pageText.size()) * g.CharWidth, baseline, pageText);
}

void TQBReportRenderer::DrawSymbol(const TQBPrintRow& row, int line) {
  const TQBPrintGrid& g = FGrid;
  const int top = g.LineTop(line);
  const int middle = top + g.LineHeight / 2;
  const int margin = TQBPrintGrid::MarginChars * g.CharWidth;
  const int end = g.CharsPerLine * g.CharWidth;
  const auto outline = [&](int x1, int y1, int x2, int y2, int32_t color, const QBrush& brush) {
    if (x2 <= x1 || y2 <= y1) return;
    FPainter.setPen(QPen(qbcolor::ToQColor(color), FPenWidth));
    FPainter.setBrush(brush);
    FPainter.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
    FPainter.setBrush(Qt::NoBrush);
  };
  switch (row.Symbol) {
    case TQBPrintSymbol::Icon:
      if (const QImage& icon = IconImage(row.IconIndex); !icon.isNull())
        FPainter.drawImage(g.SymbolLeft(row.Indent), top + g.IconOffset, icon);
      break;
    case TQBPrintSymbol::Separator:
      outline(g.SymbolLeft(row.Indent), middle, end, middle + 2, FLook.SeparatorColor, Qt::NoBrush);
      break;
    case TQBPrintSymbol::InactiveSeparator:
      outline(margin, top, end, top + g.LineHeight, FLook.InactiveSeparatorColor,
              QBrush(qbcolor::ToQColor(FLook.InactiveSeparatorColor), Qt::BDiagPattern));
      break;
    case TQBPrintSymbol::ResetSeparator:
      outline(margin, middle - 2, end, middle, FLook.SeparatorColor, Qt::NoBrush);
      outline(margin, middle + 2, end, middle + 4, FLook.SeparatorColor, Qt::NoBrush);
      break;
    case TQBPrintSymbol::AppStartSeparator:
      outline(margin, top, end, top + g.LineHeight, FLook.AppStartSeparatorColor, QBrush(FCheckerboard));
      break;
    case TQBPrintSymbol::None: break;
  }
}

void TQBReportRenderer::DrawCells(int line, int firstCell, const QString& cells, bool bold, const QColor* back,
                                  const QColor& text) {
  const int count = int(std::min<qsizetype>(cells.size(), std::max(0, FLastCell - firstCell)));
  if (count <= 0) return;
  const TQBPrintGrid& g = FGrid;
  const int top = g.LineTop(line);
  if (back) FPainter.fillRect(QRect(g.CellLeft(firstCell), top, count * g.CharWidth, g.LineHeight), *back);
  const QRawFont& raw = bold ? FBoldRaw : FBodyRaw;
  QList<quint32> glyphs(count);
  int found = count;
  const bool mapped = raw.glyphIndexesForChars(cells.constData(), count, glyphs.data(), &found) && found == count;
  // One glyph per cell, blanks left out; what the font lacks (or a pair of surrogates) is drawn apart.
  QList<quint32> runGlyphs;
  QList<QPointF> positions;
  runGlyphs.reserve(count);
  positions.reserve(count);
  QList<int> apart;
  const qreal baseline = top + FAscent;
  for (int k = 0; k < count; ++k) {
    const QChar c = cells[k];
    if (c == u' ') continue;
    if (!mapped || glyphs[k] == 0 || c.isSurrogate()) {
      apart << k;
      continue;
    }
    runGlyphs << glyphs[k];
    positions << QPointF(g.CellLeft(firstCell + k), baseline);
  }
  FPainter.setPen(text);
  if (!runGlyphs.isEmpty()) {
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(runGlyphs);
    run.setPositions(positions);
    FPainter.drawGlyphRun(QPointF(0, 0), run);
  }
  if (apart.isEmpty()) return;
  FPainter.setFont(bold ? FBold : FBody);
  for (qsizetype i = 0; i < apart.size(); ++i) {
    const int k = apart[i];
    if (cells[k].isLowSurrogate()) continue;
    const bool pair = cells[k].isHighSurrogate() && k + 1 < count && cells[k + 1].isLowSurrogate();
    FPainter.drawText(QPointF(g.CellLeft(firstCell + k), baseline), cells.mid(k, pair ? 2 : 1));
  }
}

const QImage& TQBReportRenderer::IconImage(int index) {
  auto found = FIcons.find(index);
  if (found != FIcons.end()) return found->second;
  QImage image;
  if (index >= 0 && index < FLook.MessageIcons.size()) {
    const QSize size(FGrid.IconWidth, FGrid.IconHeight);
    // One image per icon for the whole job: a PDF then holds each picture once, however often it shows.
    image = FLook.MessageIcons[index].pixmap(size).toImage().scaled(size, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation);
  }
  return FIcons.emplace(index, std::move(image)).first->second;
}
