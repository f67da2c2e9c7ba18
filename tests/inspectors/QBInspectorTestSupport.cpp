#include "QBInspectorTestSupport.h"

#include "inspectors/QBPrintJob.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

void ResetStore() {
  MessageSet.Close();
  MessageSet.Open();
}

int AddMessage(const TQBTestMessage& msg) {
  MessageSet.Append();
  MessageSet.SetMsgType(msg.Type);
  MessageSet.SetMsgText(msg.Text);
  MessageSet.SetDetails(msg.Details);
  MessageSet.SetTypeName(msg.TypeName);
  MessageSet.Post();
  MessageSet.GotoRec(MessageSet.GetRecordCount());
  return MessageSet.RecNo();
}

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

QString BitmapHexText(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return QString::fromLatin1(bytes.toHex());
}

namespace {
QString Run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

TQBPdf ReadPdf(const QString& path) {
  TQBPdf pdf;
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run(QStringLiteral("pdfinfo"), {path}));
  pdf.Pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
  pdf.Text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}).simplified();
  return pdf;
}

TQBPdfOutput::TQBPdfOutput() {
  QPrinter& printer = QBSharedPrinter();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Path());
}

int TQBPdfOutput::LinesPerPage() {
  TQBPdfOutput scratch;
  const TQBPrintJob job(QBSharedPrinter(), QStringLiteral("probe"));
  return job.LinesPerPage();
}
