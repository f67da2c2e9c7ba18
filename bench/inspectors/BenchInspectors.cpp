// Inspecting large details: a 10,000-row table, a 10,000-line property list and a 4000 x 4000 bitmap,
// each through its inspector's Inspect; and moving between two plain messages that the string
// inspector shows, through the whole pane (choice, type glyph, inspection, call stack, commands), once
// with short messages and once with 8 MB of details each that the string inspector does not show.
// Runs offscreen; each message is stored once and inspected again on every iteration.

#include "QBFakePaneHost.h"

#include "inspectors/QBBitmapInspector.h"
#include "inspectors/QBPropertiesInspector.h"
#include "inspectors/QBTableInspector.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

int AddMessage(int32_t type, const QString& text, const QString& details) {
  MessageSet.Append();
  MessageSet.SetMsgType(type);
  MessageSet.SetMsgText(text);
  MessageSet.SetDetails(details);
  MessageSet.Post();
  return MessageSet.GetRecordCount();
}

QString TableDetails() {
  QString text = QStringLiteral("Id\tCustomer\tAmount\tStatus\tDue\n");
  for (int row = 0; row < 10000; ++row)
    text += QStringLiteral("%1\tCustomer number %2\t%3.50\tOpen\t2024-05-%4\n").arg(row).arg(row % 977).arg(row * 7).arg(row % 28 + 1);
  return text;
}

// Groups of a parent and three nested children, as object and system information details come.
QString PropertyDetails() {
  QString text;
  for (int i = 0; i < 2500; ++i)
    text += QStringLiteral("Item%1=(TItem)\n  Name=item %1\n  Size=%2\n    Unit=px\n").arg(i).arg(i % 50);
  return text;
}

QString BitmapDetails() {
  QImage image(4000, 4000, QImage::Format_RGB888);
  for (int y = 0; y < image.height(); ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < image.width() * 3; ++x) line[x] = uchar(x ^ y);
  }
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return QString::fromLatin1(bmp.toHex(0).toUpper());
}

// The pane, built once; an inspector of it is benchmarked on a message that is made current first.
struct TBenchPane {
  TQBFakePaneHost Host;
  TQBInspectorPane Pane{Host, Host, Host};
  TBenchPane() {
    Host.Pane = &Pane;
    Pane.resize(500, 400);
    Pane.show();
  }
};
TBenchPane& BenchPane() {
  static TBenchPane pane;
  return pane;
}

template <typename TInspector>
void InspectRepeatedly(benchmark::State& state, TInspector* inspector, int recNo) {
  inspector->ShowInspector();
  for (auto _ : state) {
    MessageSet.GotoRec(recNo);
    inspector->Inspect();
    QApplication::processEvents();  // the layout and paint the new contents cause
  }
}

void BM_InspectTable10000Rows(benchmark::State& state) {
  static const int recNo = AddMessage(38, QStringLiteral("table"), TableDetails());
  InspectRepeatedly(state, BenchPane().Pane.Inspectors().Table, recNo);
}
BENCHMARK(BM_InspectTable10000Rows)->Unit(benchmark::kMillisecond);

void BM_InspectProperties10000Lines(benchmark::State& state) {
  static const int recNo = AddMessage(22, QStringLiteral("properties"), PropertyDetails());
  InspectRepeatedly(state, BenchPane().Pane.Inspectors().Properties, recNo);
}
BENCHMARK(BM_InspectProperties10000Lines)->Unit(benchmark::kMillisecond);

void BM_InspectBitmap4000x4000(benchmark::State& state) {
  static const int recNo = AddMessage(16, QStringLiteral("bitmap"), BitmapDetails());
  InspectRepeatedly(state, BenchPane().Pane.Inspectors().Bitmap, recNo);
}
BENCHMARK(BM_InspectBitmap4000x4000)->Unit(benchmark::kMillisecond);

// Two plain messages in turn, the way the cursor keys move through a log.
void BM_MoveBetweenPlainMessages(benchmark::State& state) {
  static const int first = AddMessage(0, QStringLiteral("Processing order 1001 for customer 17"), {});
  static const int second = AddMessage(2, QStringLiteral("Order 1002 rejected: credit limit exceeded"), {});
  TBenchPane& bench = BenchPane();
  bool which = false;
  for (auto _ : state) {
    bench.Host.FocusedRecNo = (which = !which) ? first : second;
    bench.Pane.InspectFocusedMessage();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MoveBetweenPlainMessages)->Unit(benchmark::kMicrosecond);

// The same with details of 8 MB each: what the pane reads besides the inspector (the type glyph's
// hint) must not grow with them.
void BM_MoveBetweenPlainMessagesWithLargeDetails(benchmark::State& state) {
  static const QString details(8 * 1024 * 1024, QChar('d'));
  static const int first = AddMessage(0, QStringLiteral("Dumped the request"), details);
  static const int second = AddMessage(0, QStringLiteral("Dumped the reply"), details);
  TBenchPane& bench = BenchPane();
  bool which = false;
  for (auto _ : state) {
    bench.Host.FocusedRecNo = (which = !which) ? first : second;
    bench.Pane.InspectFocusedMessage();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MoveBetweenPlainMessagesWithLargeDetails)->Unit(benchmark::kMicrosecond);

}  // namespace
