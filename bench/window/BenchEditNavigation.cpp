// The main window on the generated log (QB_BENCH_COUNT messages, default 1,000,000), offscreen:
// a selection change with automatic navigation, the navigation enabling and the detail panel; Next and
// Previous of a kind whose match lies more than 500,000 rows away; a Find Next with details that finds
// nothing; adding a note in a window of twenty views; Clear All.

#include "QBBenchLog.h"
#include "QBLogGenerator.h"

#include "plugins/widgets/QBPlugInManager.h"
#include "model/QBMessageTypes.h"
#include "settings/QBIniFile.h"
#include "shell/QBViewManager.h"
#include "window/QBMainForm.h"
#include "view/QBViewSearch.h"
#include "view/widgets/QBMsgViewDialogs.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <vector>

const TQBCustomViewClass& BenchMessageViewClass();

namespace {

// The view's dialogs answered at once: the find dialog with a text found nowhere, the edit dialog
// cancelled, notices dropped.
class TQuietViewDialogs final : public IQBMsgViewDialogs {
public:
  bool AskJumpToRow(QWidget*, int&) override { return false; }
  bool AskEditedText(QWidget*, const QFont&, const QRect&, int, QString&) override { return false; }
  void ShowInfo(QWidget*, const QString&) override {}
  bool AskFind(QWidget*, TQBFindRequest& request) override {
    request = {QStringLiteral("no such text anywhere"), true, true, false};
    return true;
  }
};

// The window's confirmations answered Yes.
class TYesDialogs final : public IQBEditDialogs {
public:
  bool ConfirmClearView(QWidget*, int, bool&) override { return true; }
  bool ConfirmClearBookmarks(QWidget*) override { return true; }
};

struct TBenchWindow {
  QTemporaryDir Dir;
  TQBPlugInManagerScope PlugIns{QString(), BenchMessageViewClass(), [](QMessageBox::Icon, auto&, auto&) {}};
  TQBIniFile Ini{Dir.filePath(QStringLiteral("QBFileViewer.ini")), false};
  TQBFolders Folders{Dir.path() + '/', {}, Dir.path() + '/', Dir.path() + '/'};
  TQuietViewDialogs Quiet;
  std::unique_ptr<TFrmViewer> Window;

  explicit TBenchWindow(const QString& log = BenchLog()) {
    TQBShellDialogs dialogs;
    dialogs.Edit = std::make_unique<TYesDialogs>();
    Window = std::make_unique<TFrmViewer>(Ini, Folders, QStringList(), std::move(dialogs));
    // Installed after the window's own, for every view.
    qbmsgviewdialogs::Install(&Quiet);
    Window->resize(1280, 800);
    Window->show();
    (void)QTest::qWaitForWindowExposed(Window.get());
    Window->LoadFile(log, false);
  }
  ~TBenchWindow() {
    Window.reset();
    qbmsgviewdialogs::Install(nullptr);
    MessageSet.Close();
    MessageSet.Open();
  }
  const TQBViewBinding& View() const { return Window->CurrentView(); }
  void Trigger(TQBCmd cmd) const { Window->Action(cmd)->trigger(); }
  // The rows of a type, in view order.
  std::vector<int> RowsOf(int32_t type) const {
    std::vector<int> rows;
    for (int row = 0; row < View().View->GetCount(); ++row)
      if (MessageSet.At(View().View->GetRowRecNo(row)).MsgType() == type) rows.push_back(row);
    return rows;
  }
};

// Arg: messages in the log (0: the benchmark log). The selection moves between an Info and a Warning
// message, so automatic navigation changes the kind each time, the navigation enabling asks the view
// anew and the detail panel refills; the inspector pane stays hidden.
void BM_SelectWithNavigationAndDetails(benchmark::State& state) {
  QTemporaryDir dir;
  QString log = BenchLog();
  if (state.range(0) > 0) {
    log = dir.filePath(QStringLiteral("small.qbl"));
    GenerateLog(log, {state.range(0), 1}, nullptr);
  }
  TBenchWindow w(log);
  w.Trigger(TQBCmd::ViewDetailPanel);
  const IQBMessageView& view = *w.View().View;
  int rows[2] = {-1, -1};
  for (int row = view.GetCount() / 2; row < view.GetCount() && (rows[0] < 0 || rows[1] < 0); ++row) {
    const int32_t type = MessageSet.At(view.GetRowRecNo(row)).MsgType();
    if (type == qbmInfo && rows[0] < 0) rows[0] = row;
    if (type == qbmWarning && rows[1] < 0) rows[1] = row;
  }
  if (rows[0] < 0 || rows[1] < 0) return state.SkipWithError("no Info and Warning rows");
  int i = 0;
  for (auto _ : state) w.View().List->SelectRow(rows[++i % 2]);
  state.counters["rows"] = view.GetCount();
}
BENCHMARK(BM_SelectWithNavigationAndDetails)->Arg(10000)->Arg(0)->Unit(benchmark::kMillisecond);

// The generated log starts each application once, near its beginning; one more application start is
// appended at its end. From the last of the early ones, kind Application Start Separator then
// alternates Next (to the end) and Previous (back).
void BM_NextAndPreviousFarAway(benchmark::State& state) {
  TBenchWindow w;
  TQBRawMessage appStart;
  appStart.MsgType = qbmAppStartSeparator;
  w.Window->Adder().AddMessage(appStart);
  const std::vector<int> rows = w.RowsOf(qbmAppStartSeparator);
  if (rows.size() < 2) return state.SkipWithError("fewer than two application starts");
  w.View().List->SelectRow(rows[rows.size() - 2]);  // automatic navigation takes its kind
  int64_t distance = 0;
  int i = 0;
  for (auto _ : state) {
    const int before = w.View().List->GetItemIndex();
    w.Trigger(++i % 2 ? TQBCmd::NavNext : TQBCmd::NavPrevious);
    distance = std::max<int64_t>(distance, std::abs(w.View().List->GetItemIndex() - before));
  }
  state.counters["rows"] = w.View().View->GetCount();
  state.counters["distance"] = double(distance);
}
BENCHMARK(BM_NextAndPreviousFarAway)->Unit(benchmark::kMillisecond);

// Find Next in message texts and details, from the first row, for a text no message holds.
void BM_FindNextWithDetailsNothingFound(benchmark::State& state) {
  TBenchWindow w;
  w.View().List->SelectRow(0);
  w.Trigger(TQBCmd::Find);
  for (auto _ : state) {
    state.PauseTiming();
    w.View().List->SelectRow(0);
    state.ResumeTiming();
    w.Trigger(TQBCmd::FindNext);
  }
  state.counters["rows"] = w.View().View->GetCount();
}
BENCHMARK(BM_FindNextWithDetailsNothingFound)->Unit(benchmark::kMillisecond);

// Twenty views: "All Messages" and nineteen that each show notes and one other type; the note goes to
// every view, and the edit dialog (answered Cancel) opens on the current view's last row.
void BM_AddNoteWithTwentyViews(benchmark::State& state) {
  TBenchWindow w;
  const int32_t others[] = {0, 1, 2, 3, 4, 5, 6, 16, 17, 18, 19, 20, 23, 24, 25, 26, 27, 28, 29};
  for (int32_t type : others) {
    TQBFilterCriteria criteria;
    criteria.CheckMsgTypes = true;
    criteria.MsgTypes.set(size_t(type));
    criteria.MsgTypes.set(qbmNote);
    w.Window->ViewManager().InsertView({QStringLiteral("Type %1").arg(type), QStringLiteral("Default"), criteria, true});
  }
  for (auto _ : state) w.Trigger(TQBCmd::AddNote);
  state.counters["views"] = w.Window->Views().Count();
}
BENCHMARK(BM_AddNoteWithTwentyViews)->Unit(benchmark::kMillisecond);

// Clear All on the loaded log, confirmed; the log is loaded again between the runs.
void BM_ClearAll(benchmark::State& state) {
  TBenchWindow w;
  for (auto _ : state) {
    w.Trigger(TQBCmd::ClearAll);
    state.PauseTiming();
    if (MessageSet.GetRecordCount() != 0) state.SkipWithError("the store was not emptied");
    w.Window->LoadFile(BenchLog(), false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ClearAll)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
