// The view's whole-view operations on large logs: filling with a filter, collapse all and expand all on
// deep nesting, deleting and cropping half the rows, a search that finds nothing, going to the last
// message, and the three file outputs. The generated log follows QB_BENCH_COUNT (default 1,000,000).

#include "QBBenchLog.h"
#include "QBLogGenerator.h"

#include "model/QBLogLoader.h"
#include "view/QBHeadlessList.h"
#include "view/QBLogSave.h"
#include "view/QBTextExport.h"
#include "view/QBViewModel.h"
#include "view/QBViewNavigation.h"
#include "view/QBTimeIndex.h"
#include "view/QBViewSearch.h"
#include "view/QBXmlExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {


// The generated log, loaded once into a store shared by the benchmarks.
TQuillboxMessageSet& GeneratedStore() {
  static TQuillboxMessageSet set;
  static const bool loaded = [] {
    TQBMessageAdder adder(set);
    return LoadLogFile(BenchLog(), adder).Ok();
  }();
  (void)loaded;
  return set;
}

// 1,000,000 messages in 100,000 methods nested 20 deep: blocks of 20 entries with 8 messages after
// each, then 20 exits.
TQuillboxMessageSet& NestedStore() {
  static TQuillboxMessageSet set;
  static const bool built = [] {
    TQBMessageAdder adder(set);
    static const char text[] = "message text";
    TQBRawMessage m;
    m.Date = 738886;
    m.MsgText = {text, sizeof text - 1, TQBTextEncoding::Utf8};
    for (int block = 0; block < 5000; ++block) {
      for (int d = 0; d < 20; ++d) {
        m.MsgType = 9;
        adder.AddMessage(m);
        m.MsgType = 0;
        for (int i = 0; i < 8; ++i) adder.AddMessage(m);
      }
      m.MsgType = 10;
      for (int d = 0; d < 20; ++d) adder.AddMessage(m);
    }
    return true;
  }();
  (void)built;
  return set;
}

// A view with its headless list, filled from a store.
struct TBenchView {
  TQBHeadlessList List{40};
  IQBViewHostHooks Host;
  TQBViewModel View;
  explicit TBenchView(TQuillboxMessageSet& set, const TQBFilterCriteria& filter = {}) : View(set, List, Host) {
    List.SetTarget(&View.Rows());
    View.SetFilterCriteria(filter);
  }
  void Fill() {
    TQuillboxMessageSet& set = View.MessageSet();
    List.BeginUpdate();
    for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) {
      set.GotoRec(recNo);
      View.AddCurrentMessage(false);
    }
    List.EndUpdate();
  }
};

void FillWith(benchmark::State& state, const TQBFilterCriteria& filter) {
  TQuillboxMessageSet& set = GeneratedStore();
  for (auto _ : state) {
    TBenchView v(set, filter);
    v.Fill();
    state.counters["rows"] = v.View.Rows().RowCount();
  }
}

void BM_FillNoFilter(benchmark::State& state) { FillWith(state, {}); }
void BM_FillAppFilter(benchmark::State& state) {
  TQBFilterCriteria c;
  c.CheckAppName = true;
  c.AppName = GeneratedStore().At(1).AppName();
  FillWith(state, c);
}
void BM_FillTextFilter(benchmark::State& state) {
  TQBFilterCriteria c;
  c.CheckMessageText = true;
  c.MessageText = QStringLiteral("timeout");
  FillWith(state, c);
}

void BM_CollapseAll(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto v = std::make_unique<TBenchView>(NestedStore());
    v->Fill();
    v->List.SetCurrentRow(0);
    state.ResumeTiming();
    v->View.Rows().CollapseAll();
    state.PauseTiming();
    state.counters["rows"] = v->View.Rows().RowCount();
    v.reset();
    state.ResumeTiming();
  }
}

void BM_ExpandAll(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto v = std::make_unique<TBenchView>(NestedStore());
    v->Fill();
    v->List.SetCurrentRow(0);
    v->View.Rows().CollapseAll();
    state.ResumeTiming();
    v->View.Rows().ExpandAll(true);
    state.PauseTiming();
    state.counters["rows"] = v->View.Rows().RowCount();
    v.reset();
    state.ResumeTiming();
  }
}

// Deletes (or crops to) every second row of the generated log's view.
void HalfSelected(benchmark::State& state, bool crop) {
  for (auto _ : state) {
    state.PauseTiming();
    auto v = std::make_unique<TBenchView>(GeneratedStore());
    v->Fill();
    TQBViewRows& rows = v->View.Rows();
    for (int r = 0; r < rows.RowCount(); r += 2) rows.SetRowSelected(r, true);
    state.ResumeTiming();
    benchmark::DoNotOptimize(crop ? rows.CropToSelection() : rows.DeleteSelected());
    state.PauseTiming();
    v.reset();
    state.ResumeTiming();
  }
}
void BM_DeleteEverySecondRow(benchmark::State& state) { HalfSelected(state, false); }
void BM_CropToEverySecondRow(benchmark::State& state) { HalfSelected(state, true); }

// A filled view of the generated log shared by the read-only benchmarks.
TBenchView& SharedView() {
  static TBenchView* v = [] {
    auto* view = new TBenchView(GeneratedStore());
    view->Fill();
    return view;
  }();
  return *v;
}

void BM_FindTextNotFound(benchmark::State& state) {
  TBenchView& v = SharedView();
  TQBViewSearch search(v.View);
  for (auto _ : state) benchmark::DoNotOptimize(search.FindText(true, QStringLiteral("no such text anywhere"), true, false, true));
}

// A search with the find options that finds nothing, so every message text and every details text of
// the 1,000,000-message view is tested: 0 plain, 1 match case, 2 a regular expression without case,
// 3 one with case.
void BM_FindWithOptionsNotFound(benchmark::State& state) {
  TBenchView& v = SharedView();
  TQBViewSearch search(v.View);
  const int mode = int(state.range(0));
  const TQBSearchOptions options{mode == 1 || mode == 3, mode >= 2};
  const QString text = options.RegularExpression ? QStringLiteral("no such (text|words?) \\d+ anywhere")
                                                 : QStringLiteral("no such text anywhere");
  for (auto _ : state) {
    const TQBTextPattern pattern(text, options);
    benchmark::DoNotOptimize(search.FindText(true, pattern, true, false, true));
  }
  state.counters["rows"] = v.View.Rows().RowCount();
}

// "(a+)+$" over 2,000 messages of forty "a" and a "!", texts and details: every match gives up at the
// step limit, the search ends and counts them. Before the limit this took 54 s in the window.
void BM_FindCatastrophicPattern(benchmark::State& state) {
  static TQuillboxMessageSet set;
  static const bool built = [] {
    TQBMessageAdder adder(set);
    static const QByteArray text = QByteArray(40, 'a') + '!';
    TQBRawMessage m;
    m.Date = 738886;
    m.MsgText = m.Details = {text.constData(), text.size(), TQBTextEncoding::Utf8};
    for (int i = 0; i < 2000; ++i) adder.AddMessage(m);
    return true;
  }();
  (void)built;
  TBenchView v(set);
  v.Fill();
  TQBViewSearch search(v.View);
  const TQBTextPattern pattern(QStringLiteral("(a+)+$"), {false, true});
  for (auto _ : state) benchmark::DoNotOptimize(search.FindText(true, pattern, true, false, true));
  state.counters["incomplete"] = search.Incomplete();
}

// Go to Time on the generated log's view (1,000,000 rows): the index built for the view once, then
// queries for a time two thirds through the log; /1 builds the index inside every query (the first
// Go to Time after a deletion).
void BM_GoToTime(benchmark::State& state) {
  TBenchView& v = SharedView();
  TQBViewRows& rows = v.View.Rows();
  const TQBTimeStamp target = v.View.MessageSet().At(rows.GetRowRecNo(rows.RowCount() * 2 / 3)).TimeStamp();
  TQBViewNavigator nav(v.View);
  for (auto _ : state) {
    if (state.range(0) == 1) {
      state.PauseTiming();
      TQBTimeIndex fresh(rows);
      state.ResumeTiming();
      benchmark::DoNotOptimize(fresh.FirstItemAtOrAfter(TQBTimeIndex::Key(target)));
    } else {
      nav.GoToTime(target);
    }
  }
  state.counters["rows"] = rows.RowCount();
}

void BM_GoToLastMessageThroughCollapsedMethods(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto v = std::make_unique<TBenchView>(NestedStore());
    v->Fill();
    v->List.SetCurrentRow(0);
    v->View.Rows().CollapseAll();
    TQBViewNavigator nav(v->View);
    state.ResumeTiming();
    nav.GoToMessage(NestedStore().GetRecordCount());
    state.PauseTiming();
    v.reset();
    state.ResumeTiming();
  }
}

QString OutPath(const char* name) { return QDir::temp().filePath(QString::fromLatin1(name)); }

void BM_SaveToFile(benchmark::State& state) {
  TBenchView& v = SharedView();
  for (auto _ : state) benchmark::DoNotOptimize(SaveViewToFile(v.View.Rows(), OutPath("qb-bench-save.qbl")).Ok);
  QFile::remove(OutPath("qb-bench-save.qbl"));
}

void BM_ExportXml(benchmark::State& state) {
  TBenchView& v = SharedView();
  for (auto _ : state) benchmark::DoNotOptimize(ExportViewXml(v.View.Rows(), OutPath("qb-bench.xml"), nullptr, nullptr));
  QFile::remove(OutPath("qb-bench.xml"));
}

void BM_ExportText(benchmark::State& state) {
  TBenchView& v = SharedView();
  TQBTextExportOptions options;
  options.Columns = uint16_t(TQBColumn::Category) | uint16_t(TQBColumn::AppName) | uint16_t(TQBColumn::Date) |
                    uint16_t(TQBColumn::TimeStamp);
  for (auto _ : state) benchmark::DoNotOptimize(ExportViewText(v.View.Rows(), OutPath("qb-bench.txt"), options, nullptr, nullptr));
  QFile::remove(OutPath("qb-bench.txt"));
}

// 1,000,000 messages of type 0 with check points at rows 0, 500,000 and 999,999: Next from row 0
// lands 500,000 rows away.
TQuillboxMessageSet& SparseStore() {
  static TQuillboxMessageSet set;
  static const bool built = [] {
    TQBMessageAdder adder(set);
    static const char text[] = "message text";
    TQBRawMessage m;
    m.Date = 738886;
    m.MsgText = {text, sizeof text - 1, TQBTextEncoding::Utf8};
    for (int i = 0; i < 1000000; ++i) {
      m.MsgType = i == 0 || i == 500000 || i == 999999 ? 3 : 0;
      adder.AddMessage(m);
    }
    return true;
  }();
  (void)built;
  return set;
}

void BM_NavigateNextFarAway(benchmark::State& state) {
  static TBenchView* v = [] {
    auto* view = new TBenchView(SparseStore());
    view->Fill();
    return view;
  }();
  TQBViewNavigator nav(v->View);
  for (auto _ : state) {
    state.PauseTiming();
    v->List.SetCurrentRow(0);
    state.ResumeTiming();
    nav.NavigateToType(TQBNavigateKind::Next, 3);
  }
  if (v->List.CurrentRow() != 500000) state.SkipWithError("Next did not reach row 500,000");
}

// The enabling question of every selection change, on the generated log's view, mid-view.
void BM_NavigationState(benchmark::State& state) {
  TBenchView& v = SharedView();
  v.List.SetCurrentRow(v.View.Rows().RowCount() / 2);
  TQBViewNavigator nav(v.View);
  bool before = false, after = false;
  for (auto _ : state) {
    nav.GetNavigationState(int32_t(state.range(0)), before, after);
    benchmark::DoNotOptimize(before);
    benchmark::DoNotOptimize(after);
  }
}

}  // namespace

BENCHMARK(BM_FillNoFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAppFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillTextFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollapseAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExpandAll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeleteEverySecondRow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CropToEverySecondRow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FindTextNotFound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NavigateNextFarAway)->Unit(benchmark::kMicrosecond);
// A type the log holds often (Info), one it holds rarely (check points) and one it lacks.
BENCHMARK(BM_NavigationState)->Arg(0)->Arg(3)->Arg(45)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindWithOptionsNotFound)->Unit(benchmark::kMillisecond)->DenseRange(0, 3);
BENCHMARK(BM_FindCatastrophicPattern)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GoToTime)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(BM_GoToLastMessageThroughCollapsedMethods)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportXml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
