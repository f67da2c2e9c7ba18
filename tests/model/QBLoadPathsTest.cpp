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

QByteArray LoadedDump(const QString& path, TQBLoadMode mode) {
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  const TQBLoadResult result = LoadLogFile(path, adder, nullptr, mode);
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

}  // namespace
