// Printing a view's report to PDF: the first 20,000 and 100,000 rows of the generated log's view (they
// are selected and the selection is printed), with the view's default columns at 8 points. Counters
// give the rows, the PDF's size and how much the process grew while printing: pages are streamed to
// the file, so the growth does not follow the number of pages. Runs offscreen.

#include "QBBenchLog.h"

#include "model/QBLogLoader.h"
#include "model/QBMessageAdder.h"
#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"
#include "view/widgets/QBIconLists.h"
#include "view/widgets/QBReportPrinter.h"
#include "view/widgets/QBSharedPrinter.h"

#include "QBResources.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>

namespace {

// The resident size of the process in bytes.
double ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE));
}

// Counts the pages and the peak resident size as the job goes on.
class TPeakProgress final : public IQBPrintProgress {
public:
  void Start(int) override { Peak = ResidentBytes(); }
  bool Step() override {
    if (++Steps % 1000 == 0) Peak = std::max(Peak, ResidentBytes());
    return true;
  }
  int Steps = 0;
  double Peak = 0;
};

struct TPrintFixture {
  TQuillboxMessageSet Set;
  TQBHeadlessList List{40};
  IQBViewHostHooks Host;
  TQBViewModel View{Set, List, Host};

  TPrintFixture() {
    List.SetTarget(&View.Rows());
    TQBMessageAdder adder(Set);
    adder.AddObserver(&View);
    List.BeginUpdate();
    LoadLogFile(BenchLog(), adder);
    List.EndUpdate();
  }
  // Only the first count rows are selected.
  void SelectFirst(int count) {
    View.Rows().ClearSelection();
    for (int row = 0; row < std::min(count, View.Rows().RowCount()); ++row) View.Rows().SetRowSelected(row, true);
  }
};

void BM_PrintFirstRowsToPdf(benchmark::State& state) {
  QBInitResources();
  static TPrintFixture fixture;
  fixture.SelectFirst(int(state.range(0)));
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
  TQBReportLook look;
  look.MessageIcons = qbicons::MessageIcons();
  const TQBColumnSet columns = colCategory | colAppName | colComputerName | colDate | colTimeStamp;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    QBSetPdfOutput(printer, pdf);
    TPeakProgress progress;
    const double before = ResidentBytes();
    QBPrintViewReport(printer, fixture.View.Rows(), {QStringLiteral("Benchmark"), true, columns}, 8, look, &progress);
    state.counters["rows"] = progress.Steps;
    state.counters["growth_MB"] = (progress.Peak - before) / 1e6;
    state.counters["pdf_MB"] = double(QFile(pdf).size()) / 1e6;
  }
}
BENCHMARK(BM_PrintFirstRowsToPdf)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
