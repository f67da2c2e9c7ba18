// The main window: opening the generated log (QB_BENCH_COUNT messages, default 1,000,000) the way
// actOpen does once its dialog is answered, with the window shown, against the plain load into the
// store; how long the window goes without repainting meanwhile; UpdateCommands on the loaded log;
// moving the selection between two plain messages that one inspector shows; and start-up to a shown
// window.
// Runs offscreen.

#include "QBBenchLog.h"
#include "QBLogGenerator.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "model/QBLogLoader.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"
#include "window/QBStatusPanes.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

const TQBCustomViewClass& BenchMessageViewClass();
const TQBCustomViewClass& BenchCoreViewClass();

namespace {


// What start-up builds before the window: settings in a temporary folder, the plug-in manager with
// the program's view class.
struct TModules {
  explicit TModules(const TQBCustomViewClass& viewClass = BenchMessageViewClass())
      : PlugIns(QString(), viewClass, [](QMessageBox::Icon, auto&, auto&) {}) {}
  QTemporaryDir Dir;
  TQBPlugInManagerScope PlugIns;
  TQBIniFile Ini{Dir.filePath(QStringLiteral("QBFileViewer.ini")), false};
  TQBFolders Folders{Dir.path() + '/', {}, Dir.path() + '/', Dir.path() + '/'};
};

// Records the longest time between two paints of the progress bar.
class TPaintGaps : public QObject {
public:
  explicit TPaintGaps(QWidget* watched) : FWatched(watched) { qApp->installEventFilter(this); }
  ~TPaintGaps() override { qApp->removeEventFilter(this); }
  void Start() {
    FTimer.start();
    FLast = 0;
    FMaxGap = 0;
    FPaints = 0;
  }
  void Stop() { Note(); }
  int64_t MaxGap() const { return FMaxGap; }
  int Paints() const { return FPaints; }

protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == FWatched && event->type() == QEvent::Paint && FTimer.isValid()) {
      Note();
      ++FPaints;
    }
    return false;
  }

private:
  void Note() {
    const int64_t now = FTimer.elapsed();
    FMaxGap = std::max(FMaxGap, now - FLast);
    FLast = now;
  }
  QWidget* FWatched;
  QElapsedTimer FTimer;
  int64_t FLast = 0, FMaxGap = 0;
  int FPaints = 0;
};

void BM_CoreLoad(benchmark::State& state) {
  BenchLog();
  for (auto _ : state) {
    state.PauseTiming();
    MessageSet.Close();
    MessageSet.Open();
    TQBMessageAdder adder(MessageSet);
    state.ResumeTiming();
    LoadLogFile(BenchLog(), adder);
  }
  MessageSet.Close();
  MessageSet.Open();
}
BENCHMARK(BM_CoreLoad)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

// Arg 0: the program's message view; arg 1: a view of the bare view core without a widget to draw,
// which leaves the window's own share of the cost.
void BM_OpenThroughWindow(benchmark::State& state) {
  BenchLog();
  TModules modules(state.range(0) == 0 ? BenchMessageViewClass() : BenchCoreViewClass());
  TFrmViewer window(modules.Ini, modules.Folders, {});
  window.resize(1280, 800);
  window.show();
  (void)QTest::qWaitForWindowExposed(&window);
  TPaintGaps gaps(window.StatusPanes().Progress());
  int64_t maxGap = 0;
  int paints = 0;
  for (auto _ : state) {
    gaps.Start();
    window.LoadFile(BenchLog(), false);
    gaps.Stop();
    maxGap = std::max(maxGap, gaps.MaxGap());
    paints = gaps.Paints();
    state.PauseTiming();
    QCoreApplication::processEvents();  // the repaint of the filled view, outside the measured load
    state.ResumeTiming();
  }
  state.counters["rows"] = window.CurrentView().View->GetCount();
  state.counters["max_paint_gap_ms"] = double(maxGap);
  state.counters["progress_paints"] = paints;
}
BENCHMARK(BM_OpenThroughWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

// What every selection change costs on the loaded log: command states, status panes and title.
void BM_UpdateCommandsOnLoadedLog(benchmark::State& state) {
  TModules modules;
  TFrmViewer window(modules.Ini, modules.Folders, {});
  window.show();
  window.LoadFile(BenchLog(), false);
  window.CurrentView().List->SetItemIndex(window.CurrentView().View->GetCount() / 2);
  for (auto _ : state) window.UpdateCommands();
  state.counters["rows"] = window.CurrentView().View->GetCount();
}
BENCHMARK(BM_UpdateCommandsOnLoadedLog)->Unit(benchmark::kMillisecond);

// Two rows of plain (Info) messages near the middle of the view, both shown by the string inspector.
std::pair<int, int> TwoPlainRows(const TFrmViewer& window) {
  const IQBMessageView& view = *window.CurrentView().View;
  int rows[2] = {-1, -1};
  for (int row = view.GetCount() / 2, found = 0; row < view.GetCount() && found < 2; ++row)
    if (MessageSet.At(view.GetRowRecNo(row)).MsgType() == 0) rows[found++] = row;
  return {rows[0], rows[1]};
}

// One selection change through the window: the view's notice, the inspection of the focused message
// by the inspector already showing, the call stack and UpdateCommands. Arg: messages in the log (0:
// the benchmark log); UpdateCommands counts the selection over the whole view, so the count matters.
void BM_SelectPlainMessage(benchmark::State& state) {
  TModules modules;
  TFrmViewer window(modules.Ini, modules.Folders, {});
  window.show();
  if (!window.Settings().Display.Inspector) window.Action(TQBCmd::ViewInspector)->trigger();
  QTemporaryDir dir;
  QString log = BenchLog();
  if (state.range(0) > 0) {
    log = dir.filePath(QStringLiteral("small.qbl"));
    GenerateLog(log, {state.range(0), 1}, nullptr);
  }
  window.LoadFile(log, false);
  const auto [a, b] = TwoPlainRows(window);
  if (a < 0 || b < 0) {
    state.SkipWithError("no two plain messages");
    return;
  }
  IQBMessageViewList& list = *window.CurrentView().List;
  int i = 0;
  for (auto _ : state) list.SelectRow(++i % 2 ? a : b);
  state.counters["rows"] = window.CurrentView().View->GetCount();
}
BENCHMARK(BM_SelectPlainMessage)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_StartUpToShownWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto modules = std::make_unique<TModules>();
    auto window = std::make_unique<TFrmViewer>(modules->Ini, modules->Folders, QStringList{});
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.reset();
    modules.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace
