// Painting the message view: one full viewport of 50 rows for views of 1,000 and of 10,000,000 rows
// (the times should match: only visible rows are fetched), scrolling to any row and moving the current
// row by keyboard, each followed by the repaint it causes. Runs offscreen.

#include "view/widgets/QBMsgView.h"

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"

#include "QBHostDouble.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>
#include <random>

namespace {

constexpr int PageRows = 50;

// A store and a shown view of count rows with nested methods, categories and long texts.
struct TPaintFixture {
  explicit TPaintFixture(int count) : View(&Parent, Set), Adder(Set) {
    Adder.AddObserver(&View.Model());
    View.BeginUpdate();
    Fill(count);
    View.EndUpdate();
    View.Initialize();
    View.RecalcColumnWidths();
    Parent.resize(1100, (PageRows + 1) * View.RowHeight() + 60);
    View.setGeometry(Parent.rect());
    Parent.show();
    // Resize so that exactly PageRows rows fit below the header, whatever the scroll bar takes.
    const int extra = View.height() - View.viewport()->height();
    View.resize(View.width(), (PageRows + 1) * View.RowHeight() + extra);
    Image = QImage(View.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  }

  void Fill(int count) {
    const QByteArray texts[] = {"Processing order 17 for customer 607", "Repository::Load",
                                "Cache refresh: hit ratio 242 per mille, a message text long enough to be shortened "
                                "with an ellipsis in most window sizes"};
    const QByteArray categories[] = {"", "Database", "Network"};
    const QByteArray app("OrderService"), computer("BUILD-SRV-01"), thread("Worker-1");
    for (int i = 0; i < count; ++i) {
      TQBRawMessage m;
      const int kind = i % 10;
      m.MsgType = kind == 3 ? qbmEnterMethod : kind == 8 ? qbmExitMethod : kind == 5 ? qbmWarning : qbmInfo;
      const QByteArray& text = texts[i % 3];
      m.MsgText = Utf8Bytes(text);
      m.Category = Utf8Bytes(categories[(i / 7) % 3]);
      m.CategoryColor = (i / 7) % 3 ? qbcolor::Rgb(255, 224, 192) : qbcolor::SystemColor(qbcolor::SysWindow);
      m.AppName = Utf8Bytes(app);
      m.ComputerName = Utf8Bytes(computer);
      m.ThreadName = Utf8Bytes(thread);
      m.Date = 738886;
      m.Time = 8 * 3600000 + i % 86400000;
      m.ProcessID = 4711;
      Adder.AddMessage(m);
    }
  }

  void Paint() {
    QPainter painter(&Image);
    View.viewport()->render(&painter);
  }

  qbtest::THostDouble Host;
  QWidget Parent;
  TQuillboxMessageSet Set;
  TQBMessageView View;
  TQBMessageAdder Adder;
  QImage Image;
};

// One fixture per row count for the whole run: filling ten million rows takes a while.
TPaintFixture& Fixture(int count) {
  static std::map<int, std::unique_ptr<TPaintFixture>> fixtures;
  auto& f = fixtures[count];
  if (!f) f = std::make_unique<TPaintFixture>(count);
  return *f;
}

void BM_PaintViewport(benchmark::State& state) {
  TPaintFixture& f = Fixture(int(state.range(0)));
  f.View.SetTopIndex(f.View.GetCount() / 2);
  f.View.SetItemIndex(f.View.GetCount() / 2 + 5);
  for (auto _ : state) f.Paint();
  state.counters["rows"] = f.View.GetCount();
  state.counters["page_rows"] = f.View.PageRows();
}

void BM_ScrollToRowAndPaint(benchmark::State& state) {
  TPaintFixture& f = Fixture(int(state.range(0)));
  std::mt19937 random(7);
  std::uniform_int_distribution<int> row(0, f.View.GetCount() - 1);
  for (auto _ : state) {
    f.View.SetTopIndex(row(random));
    f.Paint();
  }
}

void BM_KeyDownAndPaint(benchmark::State& state) {
  TPaintFixture& f = Fixture(int(state.range(0)));
  f.View.SetItemIndex(f.View.GetCount() / 3);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  for (auto _ : state) {
    QApplication::sendEvent(&f.View, &down);
    QCoreApplication::sendPostedEvents(&f.View);
    f.Paint();
  }
}

// Adding a million messages through the adding path into a shown view inside an update bracket, as
// loading a file does: the widget's share must stay small next to the store's.
void BM_FillShownView(benchmark::State& state) {
  for (auto _ : state) {
    TPaintFixture f(int(state.range(0)));
    benchmark::DoNotOptimize(f.View.GetCount());
  }
}

// The list control alone: heap bytes it takes for a thousand and for ten million rows, painted with the
// last row current. Both figures are the same few bytes of painting: the control keeps positions,
// never rows.
void BM_ListHeapForRows(benchmark::State& state) {
  TQBVirtualListBox list;
  list.resize(600, 400);
  list.SetMultiSelect(false);
  list.show();
  QImage image(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  size_t grown = 0;
  for (auto _ : state) {
    list.SetNumItems(0);
    const size_t before = mallinfo2().uordblks;
    list.SetNumItems(int(state.range(0)));
    list.SetItemIndex(int(state.range(0)) - 1);
    QPainter painter(&image);
    list.viewport()->render(&painter);
    grown = mallinfo2().uordblks - before;
  }
  state.counters["heap_bytes"] = double(grown);
}

BENCHMARK(BM_ListHeapForRows)->Arg(1000)->Arg(10000000)->Iterations(3);
BENCHMARK(BM_FillShownView)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PaintViewport)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollToRowAndPaint)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyDownAndPaint)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMillisecond);

}  // namespace
