// The three ways records reach the store (a whole load, the first load of a log still being written,
// and following a file that grows in pieces) must give the same messages in the same order: each
// path's store is compared line by line through qbltool dump's text.

#include "QBLogGenerator.h"
#include "QBToolDump.h"
#include "model/QBLogLoader.h"
#include "model/QBLogTail.h"
#include "support/QBTestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qbtest;

namespace {

QByteArray DumpText(const TQuillboxMessageSet& set) {
  QByteArray out;
  for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) qbltool::AppendDumpLine(out, recNo, set.At(recNo));
  return out;
}

QByteArray LoadedDump(const QString& path, TQBLoadMode mode, int threads = 1) {
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  const TQBLoadResult result = LoadLogFile(path, adder, nullptr, mode, threads);
  EXPECT_TRUE(result.Ok()) << result.Error.toStdString();
  EXPECT_EQ(result.MessagesAdded, set.GetRecordCount());
  return DumpText(set);
}

// Writes bytes to path piece by piece; after each piece a follow reads what is whole, at most
// recordLimit records a call, as the viewer's timer would.
QByteArray FollowedDump(const QString& path, const QByteArray& bytes, qsizetype piece, int recordLimit) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  const TQBLoadResult first = LoadLogFile(path, adder, nullptr, TQBLoadMode::CompleteRecords);
  TQBLogTail tail;
  tail.Start(path, first.FileId, first.EndOffset);
  for (qsizetype at = 0; at < bytes.size(); at += piece) {
    file.write(bytes.constData() + at, std::min(piece, bytes.size() - at));
    file.flush();
    for (;;) {
      const TQBLogTail::TResult read = tail.ReadNew(adder, nullptr, recordLimit);
      EXPECT_TRUE(read.Status == TQBLogTail::TStatus::Read || read.Status == TQBLogTail::TStatus::Unchanged)
          << read.Error.toStdString();
      if (!read.More) break;
    }
  }
  EXPECT_EQ(tail.Offset(), bytes.size());
  return DumpText(set);
}

TEST(LoadPaths, WholeLoadFirstLoadAndFollowGiveTheSameMessages) {
  TTempFiles files;
  for (const uint64_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    const QString log = files.Path(QStringLiteral("gen%1.qbl").arg(seed));
    ASSERT_TRUE(GenerateLog(log, {2000, seed, {}}, nullptr));
    QFile in(log);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();

    const QByteArray whole = LoadedDump(log, TQBLoadMode::Whole);
    ASSERT_EQ(whole.count('\n'), 2000);
    EXPECT_EQ(LoadedDump(log, TQBLoadMode::CompleteRecords), whole);
    // Pieces that cut records anywhere, pieces of many records, and the whole file at once; a small
    // record limit makes the follow come back for more.
    const struct {
      qsizetype Piece;
      int RecordLimit;
    } follows[] = {{997, TQBLogTail::DefaultRecordLimit}, {65536, 50}, {bytes.size(), 333}};
    for (const auto& f : follows) {
      SCOPED_TRACE(f.Piece);
      EXPECT_EQ(FollowedDump(files.Path(QStringLiteral("live.qbl")), bytes, f.Piece, f.RecordLimit), whole);
    }
  }
}

// Every call a load makes to its events, as text, with a stop after a chosen number of reports.
class TRecordedEvents : public IQBLogLoadEvents {
public:
  explicit TRecordedEvents(int stopAfter) : FStopAfter(stopAfter) {}
  void ResetSeparatorAdded() override { Calls += "reset;"; }
  void SeparatorAdded() override { Calls += "separator;"; }
  void Progress(int64_t position, int64_t size) override {
    Calls += QByteArray::number(position) + '/' + QByteArray::number(size) + ';';
    ++FReports;
  }
  bool StopRequested() override { return FReports == FStopAfter; }
  QByteArray Calls;

private:
  int FStopAfter;
  int FReports = 0;
};

// All a load says: its result, its events' calls and the messages it stored.
QByteArray LoadTrace(const QString& path, TQBLoadMode mode, int threads, int stopAfter) {
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TRecordedEvents events(stopAfter);
  const TQBLoadResult r = LoadLogFile(path, adder, &events, mode, threads);
  return QStringLiteral("status %1, added %2, error '%3' at %4, end %5, cut %6\n")
             .arg(int(r.Status))
             .arg(r.MessagesAdded)
             .arg(r.Error)
             .arg(r.InvalidOffset)
             .arg(r.EndOffset)
             .arg(r.LastRecordCut)
             .toUtf8() +
         events.Calls + '\n' + DumpText(set);
}

TEST(LoadPaths, ReadingOnAThreadOfItsOwnChangesNothing) {
  TTempFiles files;
  // Large enough to be read alongside, in many batches.
  const QString log = files.Path(QStringLiteral("gen.qbl"));
  ASSERT_TRUE(GenerateLog(log, {20000, 5, {}}, nullptr));
  QFile in(log);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QByteArray bytes = in.readAll();
  // The whole log, the last record cut inside its body, and a record with a spoilt header after it.
  const struct {
    const char* Name;
    QByteArray Bytes;
  } variants[] = {{"intact", bytes},
                {"cut", bytes.left(bytes.size() - 5)},
                {"spoilt", bytes + QByteArray(4, '\x7f') + QByteArray(300, '\xff')}};
  for (const auto& f : variants) {
    const QString path = files.Write(QString::fromLatin1(f.Name) + ".qbl", f.Bytes);
    for (const TQBLoadMode mode : {TQBLoadMode::Whole, TQBLoadMode::CompleteRecords}) {
      for (const int stopAfter : {0, 3}) {
        SCOPED_TRACE(testing::Message() << f.Name << " mode " << int(mode) << " stop after " << stopAfter);
        const QByteArray inTurn = LoadTrace(path, mode, 1, stopAfter);
        for (const int threads : {2, 3, 4}) EXPECT_EQ(LoadTrace(path, mode, threads, stopAfter), inTurn) << threads;
      }
    }
  }
}

}  // namespace
