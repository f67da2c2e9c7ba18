// The hostile logs of tests/hostile/QBHostileInputs.cpp through the inspector pane: selecting the
// hostile message (choice, inspection, layout and paint of the new contents), copying and printing it,
// and filling the call stack with a million open methods. Each log is loaded once into the store.

#include "QBFakePaneHost.h"
#include "hostile/QBHostileInputs.h"

#include "inspectors/QBCallStackList.h"
#include "inspectors/QBPrintJob.h"
#include "inspectors/QBStockInspector.h"
#include "model/QBLogLoader.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct TBenchPane {
  TQBFakePaneHost Host;
  TQBInspectorPane Pane{Host, Host, Host};
  TQBCallStackList CallStack;
  TBenchPane() {
    Host.Pane = &Pane;
    Pane.SetCallStackList(&CallStack);
    Pane.resize(500, 400);
    Pane.show();
    CallStack.resize(300, 400);
    CallStack.show();
  }
};
// Never destroyed: the widgets must not outlive the application object, which main() ends first.
TBenchPane& BenchPane() {
  static TBenchPane* pane = new TBenchPane;
  return *pane;
}

QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  return dir;
}

// Loads the named hostile log after what the store holds; the record number of its hostile message.
int Loaded(const char* name) {
  const QString path = Folder().filePath(QString::fromLatin1(name) + ".qbl");
  QString error;
  if (!qbhostile::WriteInput(QString::fromLatin1(name), path, &error)) qFatal("%s", qPrintable(error));
  const int before = MessageSet.GetRecordCount();
  TQBMessageAdder adder(MessageSet);
  LoadLogFile(path, adder);
  QFile::remove(path);
  return before + qbhostile::FindInput(QString::fromLatin1(name))->SelectRow + 1;
}

void Select(int recNo) {
  TBenchPane& bench = BenchPane();
  bench.Host.FocusedRecNo = recNo;
  bench.Pane.InspectFocusedMessage();
  QApplication::processEvents();  // the layout and paint the new contents cause
}

void BM_SelectHostileMessage(benchmark::State& state, const char* name) {
  const int recNo = Loaded(name);
  for (auto _ : state) Select(recNo);
}
BENCHMARK_CAPTURE(BM_SelectHostileMessage, table_1m_cells, "table-1m-cells")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SelectHostileMessage, text_1mb_nospace, "text-1mb-nospace")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SelectHostileMessage, strlist_10mb_lf, "strlist-10mb-lf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SelectHostileMessage, textfile_50mb_line, "textfile-50mb-line")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SelectHostileMessage, table_50mb, "table-50mb")->Unit(benchmark::kMillisecond);

void BM_CopyHostileMessage(benchmark::State& state, const char* name) {
  Select(Loaded(name));
  auto* inspector = qobject_cast<TQBStockInspector*>(BenchPane().Pane.VisibleInspectorControl());
  for (auto _ : state) {
    inspector->CopyContents();
    benchmark::DoNotOptimize(QApplication::clipboard()->text().size());
  }
}
BENCHMARK_CAPTURE(BM_CopyHostileMessage, strlist_10mb_lf, "strlist-10mb-lf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CopyHostileMessage, table_50mb, "table-50mb")->Unit(benchmark::kMillisecond);

void BM_PrintHostileMessage(benchmark::State& state, const char* name) {
  Select(Loaded(name));
  auto* inspector = qobject_cast<TQBStockInspector*>(BenchPane().Pane.VisibleInspectorControl());
  QBSharedPrinter().setOutputFileName(Folder().filePath("print.pdf"));
  for (auto _ : state) inspector->PrintContents(QStringLiteral("bench"));
}
BENCHMARK_CAPTURE(BM_PrintHostileMessage, properties_long_key, "properties-long-key")->Unit(benchmark::kMillisecond);

// A message inside a million open methods: the pane fills the call stack with every one of them.
void BM_FillCallStackOfAMillionMethods(benchmark::State& state) {
  std::vector<TQBCallStackEntry> entries;
  entries.reserve(1000000);
  for (int i = 1000000; i-- > 0;) entries.push_back({QStringLiteral("Method%1").arg(i), i});
  TBenchPane& bench = BenchPane();
  for (auto _ : state) {
    bench.CallStack.Fill(entries);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_FillCallStackOfAMillionMethods)->Unit(benchmark::kMillisecond);

}  // namespace
