// The log area's load scheduling without a window: each load runs with the progress around it, one
// at a time; a load, a drop or the command line asked for meanwhile waits for the running load, and a
// close request waits too and goes first. The event loop is a queue the test runs.

#include "support/QBTestFiles.h"

#include "shell/QBLoadScheduler.h"
#include "shell/QBLogCommands.h"

#include <quillbox/QuillboxMessageSet.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <deque>
#include <functional>
#include <utility>

namespace {

// The window as the log commands and the scheduler see it: no questions, no views; what it is told of
// the load and its progress is recorded.
class TQuietWindow final : public IQBLogWindow, public IQBAreaFeedback, public IQBLoadProgress {
public:
  int AskSaveBeforeLoad() override { return qbNo; }
  int AskSaveBeforeExit() override { return qbNo; }
  int AskSaveFilteredView() override { return qbNo; }
  QString AskSaveFileName(const QString&) override { return {}; }
  void ReportInvalidLog(const QString&) override { Calls << QStringLiteral("invalid"); }
  void ReportSaveFailure(int, const QString&) override {}
  void ClearAllMessages() override {
    MessageSet.Close();
    MessageSet.Open();
  }
  void HoldViewUpdates(bool) override {}
  IQBMessageViewList* CurrentList() override { return nullptr; }
  IQBMessageViewSave* CurrentSave() override { return nullptr; }
  IQBMessageViewExport* CurrentExport() override { return nullptr; }

  void ReportError(const QString& text) override { Calls << QStringLiteral("error ") + text; }
  void SetBusy(bool) override {}
  void ShowStatusText(const QString&) override {}
  void UpdateCommands() override {}

  // The progress starts: what the test runs inside the load happens here.
  void Begin() override {
    Calls << QStringLiteral("begin");
    if (WhileLoading) std::exchange(WhileLoading, {})();
  }
  void End() override { Calls << QStringLiteral("end"); }

  std::function<void()> WhileLoading;
  QStringList Calls;
};

class LoadSchedulerTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
  }
  void TearDown() override {
    MessageSet.Close();
    MessageSet.Open();
  }

  // A log of count messages.
  QString Log(const QString& name, int count) {
    const TQBRawMessage msg = qbtest::Message(0, "text");
    QByteArray bytes;
    for (int n = 0; n < count; ++n) bytes += qbtest::MarkedRecord(msg);
    return Files.Write(name, bytes);
  }
  // Runs the posted work in order, also what it posts in turn.
  void RunEventLoop() {
    while (!Posted.empty()) {
      TQBLoadGate::TWork work = std::move(Posted.front());
      Posted.pop_front();
      work();
    }
  }

  qbtest::TTempFiles Files;
  TQBLogState State;
  TQBMessageAdder Adder{MessageSet};
  TQuietWindow Window;
  TQBLogCommands Commands{State, Adder, Window, Window};
  std::deque<TQBLoadGate::TWork> Posted;
  TQBLoadScheduler Loads{{Commands, Window, Window, [this](TQBLoadGate::TWork work) { Posted.push_back(std::move(work)); },
                          [this] { Window.Calls << QStringLiteral("ended"); }}};
};

TEST_F(LoadSchedulerTest, ALoadRunsAtOnceWithItsProgressAround) {
  EXPECT_TRUE(Loads.LoadFile(Log(QStringLiteral("One.qbl"), 2), false));
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  EXPECT_FALSE(Loads.Gate().Busy());
  EXPECT_TRUE(Posted.empty());
}

TEST_F(LoadSchedulerTest, ALoadAskedForDuringALoadWaitsForItsEnd) {
  const QString first = Log(QStringLiteral("First.qbl"), 2), second = Log(QStringLiteral("Second.qbl"), 3);
  Window.WhileLoading = [&] {
    EXPECT_TRUE(Loads.Gate().Busy());
    EXPECT_FALSE(Loads.LoadFile(second, true));
  };
  EXPECT_TRUE(Loads.LoadFile(first, false));
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  ASSERT_EQ(Posted.size(), 1u);
  RunEventLoop();
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end", "begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 5);
}

TEST_F(LoadSchedulerTest, DroppedFilesLoadFromTheEventLoopAndOnlyOne) {
  const QString one = Log(QStringLiteral("One.qbl"), 2);
  Loads.Drop({one});
  EXPECT_TRUE(Window.Calls.isEmpty());
  RunEventLoop();
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  EXPECT_EQ(State.CurrentFile, QFileInfo(one).absoluteFilePath());

  // Two files at once load nothing; the progress still comes and goes.
  Window.Calls.clear();
  Loads.Drop({one, Log(QStringLiteral("Two.qbl"), 3)});
  RunEventLoop();
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
}

TEST_F(LoadSchedulerTest, RefreshLoadsTheCurrentFileAgain) {
  ASSERT_TRUE(Loads.LoadFile(Log(QStringLiteral("One.qbl"), 2), false));
  Window.Calls.clear();
  Loads.Refresh();
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
}

TEST_F(LoadSchedulerTest, TheCommandLineLoadsItsOneFileOrReportsItMissing) {
  int done = 0;
  Loads.PostCommandLine({Log(QStringLiteral("One.qbl"), 2), Files.Path(QStringLiteral("Two.qbl"))}, [&] { ++done; });
  RunEventLoop();
  EXPECT_TRUE(Window.Calls.isEmpty()) << "two arguments are no file to load";
  EXPECT_EQ(done, 1) << "the command line is handled all the same";

  const QString one = Log(QStringLiteral("One.qbl"), 2);
  Loads.PostCommandLine({one}, [&] { ++done; });
  EXPECT_TRUE(Window.Calls.isEmpty()) << "the window is shown first";
  RunEventLoop();
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  EXPECT_EQ(done, 2);

  const QString missing = Files.Path(QStringLiteral("Missing.qbl"));
  Window.Calls.clear();
  Loads.PostCommandLine({missing}, [&] { ++done; });
  RunEventLoop();
  EXPECT_EQ(Window.Calls, QStringList{QStringLiteral("error Cannot open file \"%1\". The file does not exist.")
                                          .arg(QDir::toNativeSeparators(missing))});
  EXPECT_EQ(done, 3);
}

TEST_F(LoadSchedulerTest, MergeOnTheCommandLineAndShiftDropMergeTheFiles) {
  const QString one = Log(QStringLiteral("One.qbl"), 2), two = Log(QStringLiteral("Two.qbl"), 3);
  int done = 0;
  Loads.PostCommandLine({QStringLiteral("--merge"), one, two}, [&] { ++done; });
  RunEventLoop();
  EXPECT_EQ(Window.Calls, (QStringList{"begin", "ended", "end"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 5);
  EXPECT_EQ(State.Sources.LogCount(), 2);
  EXPECT_TRUE(State.CurrentFile.isEmpty());
  EXPECT_EQ(done, 1);

  // A missing file is reported and nothing is merged: the log shown stays.
  const QString missing = Files.Path(QStringLiteral("Missing.qbl"));
  Window.Calls.clear();
  Loads.PostCommandLine({QStringLiteral("--merge"), one, missing}, [&] { ++done; });
  RunEventLoop();
  EXPECT_EQ(Window.Calls, QStringList{QStringLiteral("error Cannot open file \"%1\". The file does not exist.")
                                          .arg(QDir::toNativeSeparators(missing))});
  EXPECT_EQ(MessageSet.GetRecordCount(), 5);
  EXPECT_EQ(done, 2);

  // Dropped with Shift held, the files are merged in the order dropped; one file loads as a drop does.
  Window.Calls.clear();
  Loads.Drop({two, one}, true);
  RunEventLoop();
  EXPECT_EQ(MessageSet.GetRecordCount(), 5);
  EXPECT_EQ(State.Sources.LogPath(0), two);
  Loads.Drop({one}, true);
  RunEventLoop();
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  EXPECT_EQ(State.CurrentFile, QFileInfo(one).absoluteFilePath());
  EXPECT_EQ(State.Sources.LogCount(), 0);
}

TEST_F(LoadSchedulerTest, ACloseRequestDuringALoadWaitsAndGoesBeforeTheWaitingWork) {
  const QString first = Log(QStringLiteral("First.qbl"), 2), second = Log(QStringLiteral("Second.qbl"), 3);
  QStringList order;
  Window.WhileLoading = [&] {
    Loads.LoadFile(second, true);
    EXPECT_FALSE(Loads.CanClose([&] { order << QStringLiteral("close"); }));
    EXPECT_FALSE(Loads.CanClose([&] { order << QStringLiteral("second close"); })) << "one close is enough";
  };
  Loads.LoadFile(first, false);
  ASSERT_EQ(Posted.size(), 2u);
  Posted.front()();
  Posted.pop_front();
  EXPECT_EQ(order, QStringList{"close"});
  EXPECT_EQ(MessageSet.GetRecordCount(), 2) << "the waiting load comes after the close";
  RunEventLoop();
  EXPECT_EQ(MessageSet.GetRecordCount(), 5);
  EXPECT_TRUE(Loads.CanClose([] {})) << "nothing is modified and no load runs";
}

}  // namespace
