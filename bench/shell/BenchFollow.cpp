// Follow Log File: how long a record that another writer appends takes to reach the store, through
// the file system's notice, the follower's gathering delay and the read. One record per iteration
// (/1) and a burst of 1,000 (/1000), timed from the end of the write to the last record stored.

#include "model/QBLogWriter.h"
#include "shell/QBLogFollower.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct TIdleWindow : IQBFollowWindow, IQBAreaFeedback {
  bool CanAddMessages() override { return true; }
  void BeginAdding() override {}
  void EndAdding(int) override {}
  void ReloadFollowedFile(const QString&, TQBFollowReload) override {}
  void ReportInvalidLog(const QString&) override {}
  void ReportError(const QString&) override {}
  void SetBusy(bool) override {}
  void ShowStatusText(const QString&) override {}
  void UpdateCommands() override {}
  void FollowingStopped() override {}
};

QByteArray Records(int count) {
  static const char text[] = "a message appended while the viewer follows the log";
  TQBRawMessage m;
  m.Date = 738886;
  m.MsgText = {text, sizeof text - 1, TQBTextEncoding::Utf8};
  QByteArray out;
  for (int i = 0; i < count; ++i) AppendLogRecord(out, m);
  return out;
}

void BM_FollowLatency(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("live.qbl"));
  QFile writer(path);
  writer.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TQBLogState logState;
  TIdleWindow window;
  TQBLogFollower follower(logState, adder, window, window);
  follower.SetOn(true);
  const TQBLoadResult load = LoadLogFile(path, adder, nullptr, follower.LoadMode());
  logState.CurrentFile = QFileInfo(path).absoluteFilePath();
  follower.LoadEnded(path, load);
  const QByteArray bytes = Records(int(state.range(0)));
  for (auto _ : state) {
    const int wanted = set.GetRecordCount() + int(state.range(0));
    writer.write(bytes);
    QElapsedTimer clock;
    clock.start();
    const QDeadlineTimer deadline(10000);
    while (set.GetRecordCount() < wanted && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    if (set.GetRecordCount() < wanted) state.SkipWithError("the records did not arrive");
  }
  state.counters["messages"] = set.GetRecordCount();
}

}  // namespace

BENCHMARK(BM_FollowLatency)->Arg(1)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
