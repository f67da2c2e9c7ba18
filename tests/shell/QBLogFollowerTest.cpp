// Follow Log File without a window: the follower with a stand-in for the window, real file-system
// notices, and qbappender writing the log from a separate process.

#include "shell/QBLogFollower.h"
#include "support/QBAppenderProcess.h"
#include "support/QBTestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace qbtest;

namespace {

constexpr int kWaitMs = 20000;

struct TFakeWindow : IQBFollowWindow, IQBAreaFeedback {
  bool Busy = false;
  bool InBracket = false;
  int Reads = 0;  // reads that added messages
  QStringList Log;
  std::function<void()> Reload;
  bool CanAddMessages() override { return !Busy; }
  void BeginAdding() override {
    EXPECT_FALSE(InBracket);
    InBracket = true;
  }
  void EndAdding(int added) override {
    EXPECT_TRUE(InBracket);
    InBracket = false;
    Reads += added > 0;
  }
  void ReloadFollowedFile(const QString&, TQBFollowReload reason) override {
    Log << QStringLiteral("reload %1").arg(int(reason));
    if (Reload) Reload();
  }
  void ReportInvalidLog(const QString& path) override { Log << "invalid " + QFileInfo(path).fileName(); }
  void ReportError(const QString& text) override { Log << "error " + text; }
  void SetBusy(bool) override {}
  void ShowStatusText(const QString&) override {}
  void UpdateCommands() override {}
  void FollowingStopped() override { Log << "stopped"; }
};

class LogFollower : public testing::Test {
protected:
  void SetUp() override {
    FPath = FFiles.Write(QStringLiteral("live.qbl"), {});
    FWriter = std::make_unique<TAppenderProcess>(FPath);
    ASSERT_TRUE(FWriter->Started());
    FAdder.AddObserver(&FModified);
    FWindow.Reload = [this] { Load(); };
  }
  // What the log commands do: empty the store, read the file, make it current, tell the follower.
  void Load() {
    FSet.Close();
    FSet.Open();
    FAdder.ResetNextID();
    FState.CurrentFile.clear();
    const TQBLoadResult result = LoadLogFile(FPath, FAdder, nullptr, FFollower.LoadMode());
    if (result.Ok()) FState.CurrentFile = QFileInfo(FPath).absoluteFilePath();
    FState.Modified = false;
    FFollower.LoadEnded(FPath, result);
  }
  bool WaitForCount(int count) {
    return QTest::qWaitFor([&] { return FSet.GetRecordCount() == count; }, kWaitMs);
  }

  TTempFiles FFiles;
  QString FPath;
  std::unique_ptr<TAppenderProcess> FWriter;
  TQuillboxMessageSet FSet;
  TQBMessageAdder FAdder{FSet};
  TQBLogState FState;
  TQBModifiedFlagObserver FModified{FState};
  TFakeWindow FWindow;
  TQBLogFollower FFollower{FState, FAdder, FWindow, FWindow};
};

TEST_F(LogFollower, TenThousandMessagesASecondForTenSecondsComeInWholeAndInOrder) {
  ASSERT_TRUE(FWriter->Run("append 100"));
  FFollower.SetOn(true);
  Load();
  ASSERT_EQ(FSet.GetRecordCount(), 100);
  FWriter->Send("stream 10000 10");
  // The writer is done after ten seconds; what it wrote last comes in after that.
  ASSERT_TRUE(QTest::qWaitFor([&] { return FWriter->Finished(0); }, 60000));
  ASSERT_TRUE(WaitForCount(100100)) << FSet.GetRecordCount();
  ExpectUnbrokenSequence(FSet, 100100);
  // Read in many small steps while the writer wrote, not in one at the end.
  EXPECT_GT(FWindow.Reads, 20);
  EXPECT_FALSE(FState.Modified);
  EXPECT_TRUE(FWindow.Log.isEmpty()) << FWindow.Log.join(u'|').toStdString();
}

TEST_F(LogFollower, FollowedMessagesLeaveTheModifiedFlagAsItWas) {
  FFollower.SetOn(true);
  Load();
  for (const bool modified : {false, true}) {
    FState.Modified = modified;
    const int before = FSet.GetRecordCount();
    ASSERT_TRUE(FWriter->Run("append 3"));
    ASSERT_TRUE(WaitForCount(before + 3));
    EXPECT_EQ(FState.Modified, modified);
  }
  ExpectUnbrokenSequence(FSet, 6);
}

TEST_F(LogFollower, ABusyWindowHoldsTheMessagesBackUntilItIsFree) {
  FFollower.SetOn(true);
  Load();
  FWindow.Busy = true;
  ASSERT_TRUE(FWriter->Run("append 5"));
  QTest::qWait(4 * TQBLogFollower::BusyRetryMs);
  EXPECT_EQ(FSet.GetRecordCount(), 0);
  FWindow.Busy = false;
  ASSERT_TRUE(WaitForCount(5));
}

TEST_F(LogFollower, SwitchedOnLaterItReadsWhatCameMeanwhile) {
  ASSERT_TRUE(FWriter->Run("append 2"));
  Load();
  ASSERT_TRUE(FWriter->Run("append 3"));
  QTest::qWait(200);
  EXPECT_EQ(FSet.GetRecordCount(), 2);
  FFollower.SetOn(true);
  ASSERT_TRUE(WaitForCount(5));
  FFollower.SetOn(false);
  ASSERT_TRUE(FWriter->Run("append 1"));
  QTest::qWait(200);
  EXPECT_EQ(FSet.GetRecordCount(), 5);
}

TEST_F(LogFollower, ARecordStillBeingWrittenComesInWhenItIsWhole) {
  FFollower.SetOn(true);
  Load();
  ASSERT_TRUE(FWriter->Run("append 1"));
  ASSERT_TRUE(WaitForCount(1));
  ASSERT_TRUE(FWriter->Run("part 150"));
  QTest::qWait(200);
  EXPECT_EQ(FSet.GetRecordCount(), 1);
  ASSERT_TRUE(FWriter->Run("rest"));
  ASSERT_TRUE(WaitForCount(2));
  ExpectUnbrokenSequence(FSet, 2);
}

// Switching on after a load that read the last record with zeros for its missing bytes: going on from
// there would read that record twice, so the file is loaded again, leaving the record until it is whole.
TEST_F(LogFollower, SwitchedOnAfterALoadThatReadACutRecordItLoadsTheFileAgain) {
  ASSERT_TRUE(FWriter->Run("append 1"));
  const int recordSize = int(QFileInfo(FPath).size());
  ASSERT_TRUE(FWriter->Run(QStringLiteral("part %1").arg(recordSize - 3)));
  Load();
  ASSERT_EQ(FSet.GetRecordCount(), 2);
  FFollower.SetOn(true);
  EXPECT_EQ(FWindow.Log, QStringList{"reload 2"});
  EXPECT_EQ(FSet.GetRecordCount(), 1);
  ASSERT_TRUE(FWriter->Run("rest"));
  ASSERT_TRUE(WaitForCount(2));
  ExpectUnbrokenSequence(FSet, 2);
}

TEST_F(LogFollower, ATruncatedOrReplacedFileIsLoadedAgainAndFollowedOn) {
  FFollower.SetOn(true);
  ASSERT_TRUE(FWriter->Run("append 4"));
  Load();
  ASSERT_TRUE(FWriter->Run("truncate"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return FWindow.Log.size() == 1; }, kWaitMs));
  EXPECT_EQ(FWindow.Log, QStringList{"reload 0"});
  EXPECT_EQ(FSet.GetRecordCount(), 0);
  ASSERT_TRUE(FWriter->Run("append 2"));  // numbers 4 and 5
  ASSERT_TRUE(WaitForCount(2));
  ASSERT_TRUE(FWriter->Run("replace 3"));  // numbers 6 to 8, a new file in its place
  ASSERT_TRUE(QTest::qWaitFor([&] { return FWindow.Log.size() == 2; }, kWaitMs));
  EXPECT_EQ(FWindow.Log.back(), "reload 1");
  EXPECT_EQ(FSet.GetRecordCount(), 3);
  ASSERT_TRUE(FWriter->Run("append 1"));
  ASSERT_TRUE(WaitForCount(4));
  EXPECT_EQ(AppendedNumber(FSet.At(4).MsgText()), 9);
}

TEST_F(LogFollower, AnInvalidRecordStopsFollowingWithTheReportAndKeepsWhatWasRead) {
  FFollower.SetOn(true);
  Load();
  ASSERT_TRUE(FWriter->Run("append 2"));
  ASSERT_TRUE(WaitForCount(2));
  ASSERT_TRUE(FWriter->Run("invalid"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !FWindow.Log.isEmpty(); }, kWaitMs));
  EXPECT_EQ(FWindow.Log, QStringList({"stopped", "invalid live.qbl"}));
  EXPECT_FALSE(FFollower.IsOn());
  EXPECT_FALSE(FFollower.Following());
  ASSERT_TRUE(FWriter->Run("append 1"));
  QTest::qWait(200);
  ExpectUnbrokenSequence(FSet, 2);
}

// The followed file replaced by a link to a device: the reload cannot make it current again (the
// window refuses it before loading, or the load fails), and following, which cannot go on, switches
// itself off instead of staying ticked with nothing read.
TEST_F(LogFollower, AReloadThatDoesNotMakeTheFileCurrentSwitchesFollowingOff) {
  const struct {
    const char* Name;
    bool Loads;  // the reload runs the load (which fails) or is refused before it
  } cases[] = {{"load fails", true}, {"refused", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    // A file of its own: qbappender keeps the fixture's log open and may create it again.
    FPath = FFiles.Write(QStringLiteral("%1.qbl").arg(QLatin1String(c.Name)), {});
    FWindow.Log.clear();
    FWindow.Reload = [this, &c] {
      if (c.Loads) Load();
    };
    FFollower.SetOn(true);
    Load();
    ASSERT_TRUE(FFollower.Following());
    ASSERT_TRUE(QFile::remove(FPath));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), FPath));
    ASSERT_TRUE(QTest::qWaitFor([&] { return FWindow.Log.contains(QStringLiteral("stopped")); }, kWaitMs));
    EXPECT_EQ(FWindow.Log, QStringList({"reload 1", "stopped"}));
    EXPECT_FALSE(FFollower.IsOn());
    EXPECT_FALSE(FFollower.Following());
  }
}

// A record header that claims a body of gigabytes while following: invalid there, as a load finds a
// bad record, instead of every later record being taken as that body.
TEST_F(LogFollower, ARecordClaimingMoreThanTheLimitStopsFollowingWithTheInvalidLogReport) {
  FFollower.SetMaxRecordBody(1 << 20);
  FFollower.SetOn(true);
  Load();
  ASSERT_TRUE(FWriter->Run("append 2"));
  ASSERT_TRUE(WaitForCount(2));
  ASSERT_TRUE(FWriter->Run("claim 2000000000"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !FWindow.Log.isEmpty(); }, kWaitMs));
  EXPECT_EQ(FWindow.Log, QStringList({"stopped", "invalid live.qbl"}));
  EXPECT_FALSE(FFollower.IsOn());
  ExpectUnbrokenSequence(FSet, 2);
}

TEST_F(LogFollower, ALoadThatFailedOrAClearEndsFollowing) {
  FFollower.SetOn(true);
  Load();
  EXPECT_TRUE(FFollower.Following());
  FFollower.Cleared();
  EXPECT_FALSE(FFollower.Following());
  // Logs merged into the store replace the followed file: its new records must not join them.
  Load();
  EXPECT_TRUE(FFollower.Following());
  FFollower.LogsMerged();
  EXPECT_FALSE(FFollower.Following());
  Load();
  EXPECT_TRUE(FFollower.Following());
  TQBLoadResult failed;
  failed.Status = TQBLoadResult::TStatus::OpenFailed;
  FFollower.LoadEnded(FFiles.Path(QStringLiteral("other.qbl")), failed);
  EXPECT_FALSE(FFollower.Following());
  EXPECT_TRUE(FFollower.IsOn());
}

}  // namespace
