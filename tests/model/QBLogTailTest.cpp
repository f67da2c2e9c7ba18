// Following a log that a separate process keeps writing: qbappender appends records (whole, cut in
// the middle, at a high rate), truncates, replaces and spoils the file while the tail reads it.

#include "model/QBLogFormat.h"
#include "model/QBLogTail.h"
#include "support/QBAppenderProcess.h"
#include "support/QBTestFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace qbtest;
using TStatus = TQBLogTail::TStatus;

namespace {

class LogTail : public testing::Test {
protected:
  void SetUp() override {
    // There before the writer starts, so the first load never races with its creation.
    FPath = FFiles.Write(QStringLiteral("live.qbl"), {});
    FWriter = std::make_unique<TAppenderProcess>(FPath);
    ASSERT_TRUE(FWriter->Started());
  }
  // Loads what the file holds whole and follows it from there, as the viewer does.
  TQBLoadResult LoadAndFollow() {
    const TQBLoadResult load = LoadLogFile(FPath, FAdder, nullptr, TQBLoadMode::CompleteRecords);
    FTail.Start(FPath, load.FileId, load.EndOffset);
    return load;
  }

  TTempFiles FFiles;
  QString FPath;
  std::unique_ptr<TAppenderProcess> FWriter;
  TQuillboxMessageSet FSet;
  TQBMessageAdder FAdder{FSet};
  TQBLogTail FTail;
};

TEST_F(LogTail, ARecordStillBeingWrittenWaitsUntilItIsWhole) {
  ASSERT_TRUE(FWriter->Run("append 2"));
  const int recordSize = int(QFile(FPath).size() / 2);
  // Cut inside the code, inside the header, inside the texts and just before the closing NUL.
  for (const int cut : {1, 3, 4, 100, qblog::CodeSize + 201, recordSize - 1}) {
    SCOPED_TRACE(cut);
    ASSERT_TRUE(FWriter->Run(QStringLiteral("part %1").arg(cut)));
    if (!FTail.Following()) {
      // The first load meets the cut record too: it reads the whole ones and leaves it.
      const TQBLoadResult load = LoadAndFollow();
      ASSERT_TRUE(load.Ok());
      EXPECT_EQ(load.MessagesAdded, 2);
      EXPECT_EQ(load.EndOffset, 2 * recordSize);
    }
    const int64_t offset = FTail.Offset();
    EXPECT_EQ(FTail.ReadNew(FAdder).Status, TStatus::Unchanged);
    EXPECT_EQ(FTail.Offset(), offset);
    ASSERT_TRUE(FWriter->Run("rest"));
    const TQBLogTail::TResult read = FTail.ReadNew(FAdder);
    EXPECT_EQ(read.Status, TStatus::Read);
    EXPECT_EQ(read.MessagesAdded, 1);
  }
  ExpectUnbrokenSequence(FSet, 8);
  EXPECT_EQ(FSet.At(8).Details(), "appended by qbappender");
}

TEST_F(LogTail, AFastWriterLosesNothingAndDoublesNothing) {
  ASSERT_TRUE(FWriter->Run("append 500"));
  ASSERT_TRUE(LoadAndFollow().Ok());
  // Two seconds at 10,000 records a second, every write ending inside a record; the tail reads
  // whenever it likes, as file notices would make it.
  FWriter->Send("stream 10000 2");
  bool done = false;
  int reads = 0;
  while (!done) {
    done = FWriter->Finished(0);
    const TQBLogTail::TResult read = FTail.ReadNew(FAdder, nullptr, 1500);
    ASSERT_NE(read.Status, TStatus::Invalid) << read.Error.toStdString();
    ASSERT_NE(read.Status, TStatus::Truncated);
    reads += read.Status == TStatus::Read;
    QThread::msleep(7);
  }
  // Whatever was left after the writer's last write.
  while (FTail.ReadNew(FAdder, nullptr, 1500).Status == TStatus::Read) {}
  EXPECT_GT(reads, 10);
  ExpectUnbrokenSequence(FSet, 20500);
}

TEST_F(LogTail, ATruncatedOrReplacedFileIsToldToBeLoadedAgain) {
  ASSERT_TRUE(FWriter->Run("append 3"));
  ASSERT_TRUE(LoadAndFollow().Ok());
  struct {
    const char* Command;
    TStatus Status;
  } cases[] = {
      {"truncate", TStatus::Truncated},
      // Cut and written again past the old length: only its first bytes tell.
      {"truncate\nappend 6", TStatus::Truncated},
      {"replace 4", TStatus::Replaced},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Command);
    for (const QString& command : QString::fromLatin1(c.Command).split(u'\n')) ASSERT_TRUE(FWriter->Run(command));
    EXPECT_EQ(FTail.ReadNew(FAdder).Status, c.Status);
    // The caller loads the file from its start and follows it again.
    FSet.Close();
    FSet.Open();
    ASSERT_TRUE(LoadAndFollow().Ok());
    ASSERT_TRUE(FWriter->Run("append 1"));
    EXPECT_EQ(FTail.ReadNew(FAdder).Status, TStatus::Read);
  }
}

TEST_F(LogTail, AnInvalidRecordStopsFollowingAndKeepsWhatCameBefore) {
  ASSERT_TRUE(LoadAndFollow().Ok());
  ASSERT_TRUE(FWriter->Run("append 2"));
  ASSERT_TRUE(FWriter->Run("invalid"));
  ASSERT_TRUE(FWriter->Run("append 1"));
  const TQBLogTail::TResult read = FTail.ReadNew(FAdder);
  EXPECT_EQ(read.Status, TStatus::Invalid);
  EXPECT_EQ(read.MessagesAdded, 2);
  EXPECT_EQ(read.InvalidOffset, FTail.Offset());
  EXPECT_FALSE(read.Error.isEmpty());
  EXPECT_FALSE(FTail.Following());
  ExpectUnbrokenSequence(FSet, 2);
  EXPECT_EQ(FTail.ReadNew(FAdder).Status, TStatus::Unchanged);
}

// A header that claims a body of gigabytes would make the tail wait for ever, taking every record
// written after it as part of that body. A claim beyond the limit is invalid at that record, as the
// load finds a bad record; a record not beyond it is still waited for.
TEST_F(LogTail, ARecordBeingWrittenThatClaimsMoreThanTheLimitIsInvalid) {
  FTail.SetMaxWaitedBody(1 << 20);
  ASSERT_TRUE(LoadAndFollow().Ok());
  ASSERT_TRUE(FWriter->Run("append 2"));
  ASSERT_TRUE(FWriter->Run("claim 1000000"));
  TQBLogTail::TResult read = FTail.ReadNew(FAdder);
  EXPECT_EQ(read.Status, TStatus::Read);
  EXPECT_EQ(read.MessagesAdded, 2);
  EXPECT_EQ(FTail.ReadNew(FAdder).Status, TStatus::Unchanged) << "waited for";

  FSet.Close();
  FSet.Open();
  ASSERT_TRUE(FWriter->Run("truncate"));
  ASSERT_TRUE(FWriter->Run("append 2"));
  ASSERT_TRUE(LoadAndFollow().Ok());
  ASSERT_TRUE(FWriter->Run("claim 2147483000"));
  read = FTail.ReadNew(FAdder);
  EXPECT_EQ(read.Status, TStatus::Invalid);
  EXPECT_EQ(read.MessagesAdded, 0);
  EXPECT_EQ(read.InvalidOffset, FTail.Offset());
  EXPECT_TRUE(read.Error.contains(QStringLiteral("claims a body of"))) << read.Error.toStdString();
  EXPECT_FALSE(FTail.Following());
}

TEST_F(LogTail, AMissingFileIsWaitedForAndANewOneTakesItsPlace) {
  ASSERT_TRUE(FWriter->Run("append 1"));
  ASSERT_TRUE(LoadAndFollow().Ok());
  const QString aside = FFiles.Path(QStringLiteral("rotated.qbl"));
  ASSERT_TRUE(QFile::rename(FPath, aside));
  EXPECT_EQ(FTail.ReadNew(FAdder).Status, TStatus::Unchanged);
  EXPECT_TRUE(FTail.Following());
  ASSERT_TRUE(QFile::copy(aside, FPath));
  EXPECT_EQ(FTail.ReadNew(FAdder).Status, TStatus::Replaced);
}

TEST_F(LogTail, SeparatorsReadWhileFollowingAreAnnouncedAsInALoad) {
  ASSERT_TRUE(LoadAndFollow().Ok());
  QFile file(FPath);
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write(MarkedRecord(Message(39, "x")) + MarkedRecord(Message(11, "y")));
  file.close();
  struct TEvents : IQBLogLoadEvents {
    void ResetSeparatorAdded() override { Log += "reset;"; }
    void SeparatorAdded() override { Log += "separator;"; }
    QString Log;
  } events;
  EXPECT_EQ(FTail.ReadNew(FAdder, &events).MessagesAdded, 2);
  EXPECT_EQ(events.Log, "reset;separator;separator;");
  EXPECT_EQ(FSet.At(1).MsgText(), "=");
  EXPECT_EQ(FSet.At(2).MsgText(), "-");
}

TEST_F(LogTail, ARecordLimitLeavesTheRestForTheNextCall) {
  ASSERT_TRUE(LoadAndFollow().Ok());
  ASSERT_TRUE(FWriter->Run("append 25"));
  const TQBLogTail::TResult first = FTail.ReadNew(FAdder, nullptr, 10);
  EXPECT_EQ(first.MessagesAdded, 10);
  EXPECT_TRUE(first.More);
  EXPECT_EQ(FTail.ReadNew(FAdder, nullptr, 10).MessagesAdded, 10);
  const TQBLogTail::TResult last = FTail.ReadNew(FAdder, nullptr, 10);
  EXPECT_EQ(last.MessagesAdded, 5);
  EXPECT_FALSE(last.More);
  ExpectUnbrokenSequence(FSet, 25);
}

}  // namespace
