// Collapse All and Expand All as a user runs them: through the shown main window's commands on the
// generated log (QB_BENCH_COUNT messages, default 1,000,000) with the focus on a message two thirds
// down, each time including the repaint that follows. The headless figures of bench_view leave out
// what the list control, the message view and the window do on the way (current row, notices, the
// inspector pane), which is where a bulk change used to go wrong.
// Runs offscreen.

#include "QBBenchLog.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

const TQBCustomViewClass& BenchMessageViewClass();

namespace {

// What start-up builds before the window: settings in a temporary folder and the plug-in manager with
// the program's view class.
struct TBenchModules {
  TBenchModules() : PlugIns(QString(), BenchMessageViewClass(), [](QMessageBox::Icon, auto&, auto&) {}) {}
  QTemporaryDir Dir;
  TQBPlugInManagerScope PlugIns;
  TQBIniFile Ini{Dir.filePath(QStringLiteral("QBFileViewer.ini")), false};
  TQBFolders Folders{Dir.path() + '/', {}, Dir.path() + '/', Dir.path() + '/'};
};

// A shown window with the benchmark log loaded and a message two thirds down focused.
class TLoadedWindow {
public:
  TLoadedWindow() : Window(Modules.Ini, Modules.Folders, {}) {
    Window.resize(1280, 800);
    Window.show();
    (void)QTest::qWaitForWindowExposed(&Window);
    Window.LoadFile(BenchLog(), false);
    Window.CurrentView().List->SelectRow(Window.CurrentView().View->GetCount() * 2 / 3);
    QCoreApplication::processEvents();
  }

  // Triggers a command and lets the window repaint, as the event loop would after a menu click.
  bool Run(TQBCmd command) {
    QAction* action = Window.Action(command);
    if (!action->isEnabled()) return false;
    action->trigger();
    QCoreApplication::processEvents();
    return true;
  }

  int Rows() const { return Window.CurrentView().View->GetCount(); }

  TBenchModules Modules;
  TFrmViewer Window;
};

void BM_CollapseAllThroughWindow(benchmark::State& state) {
  TLoadedWindow w;
  const int expanded = w.Rows();
  for (auto _ : state) {
    if (!w.Run(TQBCmd::CollapseAll)) return state.SkipWithError("Collapse All is disabled");
    state.PauseTiming();
    state.counters["rows_after"] = w.Rows();
    w.Run(TQBCmd::ExpandAll);
    state.ResumeTiming();
  }
  state.counters["rows_before"] = expanded;
}
BENCHMARK(BM_CollapseAllThroughWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExpandAllThroughWindow(benchmark::State& state) {
  TLoadedWindow w;
  for (auto _ : state) {
    state.PauseTiming();
    w.Run(TQBCmd::CollapseAll);
    state.counters["rows_before"] = w.Rows();
    state.ResumeTiming();
    if (!w.Run(TQBCmd::ExpandAll)) return state.SkipWithError("Expand All is disabled");
  }
  state.counters["rows_after"] = w.Rows();
}
BENCHMARK(BM_ExpandAllThroughWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
