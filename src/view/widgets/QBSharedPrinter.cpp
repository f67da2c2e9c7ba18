#include "view/widgets/QBSharedPrinter.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

QString QBDefaultPdfPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(QStringLiteral("Quillbox Print.pdf"));
}

QPrinter& QBSharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  static const bool prepared = [] {
    if (QPrinterInfo::availablePrinters().isEmpty()) QBSetPdfOutput(printer, QBDefaultPdfPath());
    return true;
  }();
  (void)prepared;
  return printer;
}

bool QBPrintsToPdf(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

QString QBSharedPdfFile() {
  const QPrinter& printer = QBSharedPrinter();
  return QBPrintsToPdf(printer) ? printer.outputFileName() : QString();
}

void QBSetPdfOutput(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
}

QString QBPrinterDescription(const QPrinter& printer) {
  if (QBPrintsToPdf(printer)) return QStringLiteral("PDF file: %1").arg(QDir::toNativeSeparators(printer.outputFileName()));
  return printer.printerName();
}
