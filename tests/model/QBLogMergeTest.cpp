#include "model/QBLogMerge.h"
#include "model/QBMessageTypes.h"
#include "support/QBTestFiles.h"

#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

using namespace qbtest;

namespace {

constexpr int32_t kMinute = 60 * 1000;
constexpr int32_t kHour = 60 * kMinute;

// One record of a hand-made log: its writer's local date and time, its bias and its text.
struct TRec {
  QByteArray Text;
  int32_t Time = kNoon;
  int32_t Bias = 0;
  int32_t Date = kDay;
  int32_t Type = qbmInfo;
};

QByteArray LogBytes(const std::vector<TRec>& records) {
  QByteArray bytes;
  for (const TRec& r : records) {
    TQBRawMessage msg = Message(r.Type, r.Text);
    msg.Time = r.Time;
    msg.Date = r.Date;
    msg.TimeBias = r.Bias;
    msg.ProcessID = 7;  // the same process and thread in every log
    msg.ThreadName = Utf8Bytes("main");
    bytes += MarkedRecord(msg);
  }
  return bytes;
}

QStringList WriteLogs(TTempFiles& files, const std::vector<std::vector<TRec>>& logs) {
  QStringList paths;
  for (size_t i = 0; i < logs.size(); ++i)
    paths << files.Write(QStringLiteral("log%1.qbl").arg(i), LogBytes(logs[i]));
  return paths;
}

QStringList TextsOf(const TQuillboxMessageSet& set) {
  QStringList texts;
  for (int rec = 1; rec <= set.GetRecordCount(); ++rec) texts << QString::fromUtf8(set.At(rec).MsgTextUtf8());
  return texts;
}

struct TMergeCase {
  const char* Name;
  std::vector<std::vector<TRec>> Logs;
  QStringList Expected;
};

TEST(LogMerge, InterleavesByUtcInstantKeepingFileThenRecordOrderOnTies) {
  const std::vector<TMergeCase> cases = {
      {"ties go to the log given first",
       {{{"a1", kNoon}, {"a2", kNoon + 1}}, {{"b1", kNoon}, {"b2", kNoon + 1}}},
       {"a1", "b1", "a2", "b2"}},
      {"the same logs given the other way round",
       {{{"b1", kNoon}, {"b2", kNoon + 1}}, {{"a1", kNoon}, {"a2", kNoon + 1}}},
       {"b1", "a1", "b2", "a2"}},
      {"records of one instant keep their order within the log",
       {{{"a1", kNoon}, {"a2", kNoon}, {"a3", kNoon}}, {{"b1", kNoon}}},
       {"a1", "a2", "a3", "b1"}},
      // 10:00 local with bias -60 is 09:00 UTC, before 09:30 UTC; a local-time order would put b1 first.
      {"the bias turns local time into UTC",
       {{{"a1", 10 * kHour, -60}, {"a2", 10 * kHour + 45 * kMinute, -60}}, {{"b1", 9 * kHour + 30 * kMinute, 0}}},
       {"a1", "b1", "a2"}},
      {"a bias that moves a time into the next day",
       {{{"a1", 23 * kHour + 30 * kMinute, 60}}, {{"b1", 10 * kMinute, 0, kDay + 1}}},
       {"b1", "a1"}},
      {"a log whose clock went back keeps its own order",
       {{{"a1", 10 * kHour}, {"a2", 9 * kHour}}, {{"b1", 9 * kHour + 30 * kMinute}}},
       {"b1", "a1", "a2"}},
      {"an empty log adds nothing", {{}, {{"b1", kNoon}}, {}}, {"b1"}},
      {"one log loads as it is", {{{"a1", kNoon}, {"a2", kNoon - 5}}}, {"a1", "a2"}},
  };
  for (const TMergeCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTempFiles files;
    const QStringList paths = WriteLogs(files, c.Logs);
    TQuillboxMessageSet set;
    TQBMessageAdder adder(set);
    TQBSourceLogs sources;
    const TQBMergeResult result = MergeLogFiles(paths, adder, &sources);
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(result.MessagesAdded, c.Expected.size());
    EXPECT_EQ(TextsOf(set), c.Expected);
    // Every message knows the log it came from.
    for (int rec = 1; rec <= set.GetRecordCount(); ++rec) {
      const QByteArray text = set.At(rec).MsgTextUtf8().toByteArray();
      int expectedLog = -1;
      for (size_t log = 0; log < c.Logs.size(); ++log)
        for (const TRec& r : c.Logs[log])
          if (r.Text == text) expectedLog = int(log);
      EXPECT_EQ(sources.LogOf(rec), expectedLog) << text.constData();
    }
  }
}

TEST(LogMerge, SourceLogsNameEachLogAndKnowNothingOfOtherRecords) {
  TTempFiles files;
  const QString a = files.Write("client.side.qbl", LogBytes({{"a1"}}));
  const QString b = files.Write("server.qbl", LogBytes({{"b1"}}));
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TQBSourceLogs sources;
  MergeLogFiles({a, b}, adder, &sources);
  EXPECT_TRUE(sources.Merged());
  EXPECT_EQ(sources.LogName(0), "client.side");
  EXPECT_EQ(sources.LogName(1), "server");
  EXPECT_EQ(sources.LogName(TQBSourceLogs::NoLog), "");
  // A note added after the merge came from no log.
  adder.AddMessage(Message(qbmNote, "note"));
  EXPECT_EQ(sources.LogOf(3), TQBSourceLogs::NoLog);
  EXPECT_EQ(sources.LogOf(0), TQBSourceLogs::NoLog);
}

TEST(LogMerge, MatchesAStableSortOfRandomLogs) {
  std::mt19937 random(25);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    const int logCount = 2 + int(random() % 4);
    std::vector<std::vector<TRec>> logs(static_cast<size_t>(logCount));
    // (instant, log, record) of every record, in file order.
    std::vector<std::tuple<int64_t, int, int>> reference;
    for (int log = 0; log < logCount; ++log) {
      int64_t utc = UtcInstant(kDay, kNoon, 0) + int64_t(random() % 50);
      const int count = int(random() % 40);
      for (int i = 0; i < count; ++i) {
        utc += int64_t(random() % 3);  // many ties, within and across logs
        const int32_t bias = int32_t(random() % 5) * 60 - 120;
        const int64_t local = utc - int64_t(bias) * 60000;
        TRec r;
        r.Text = QByteArray::number(log) + ":" + QByteArray::number(i);
        r.Bias = bias;
        r.Date = int32_t(local / 86400000);
        r.Time = int32_t(local % 86400000);
        logs[size_t(log)].push_back(r);
        reference.emplace_back(utc, log, i);
      }
    }
    std::stable_sort(reference.begin(), reference.end(), [](const auto& x, const auto& y) {
      return std::get<0>(x) < std::get<0>(y);
    });
    QStringList expected;
    for (const auto& [instant, log, record] : reference) expected << QStringLiteral("%1:%2").arg(log).arg(record);

    TTempFiles files;
    TQuillboxMessageSet set;
    TQBMessageAdder adder(set);
    ASSERT_TRUE(MergeLogFiles(WriteLogs(files, logs), adder, nullptr).Ok());
    EXPECT_EQ(TextsOf(set), expected);
  }
}

// A view fed by the adding path whose host answers from the merge's source table.
struct TSourceHost : IQBViewHostHooks {
  const TQBSourceLogs* Sources = nullptr;
  int SourceLogOf(int recNo) const override { return Sources->LogOf(recNo); }
};

TEST(LogMerge, MethodsNestAndPairWithinTheirOwnLog) {
  // Both logs come from process 7, thread "main": their methods overlap in time.
  TTempFiles files;
  const QStringList paths = WriteLogs(files, {
      {{"A enter", kNoon + 1, 0, kDay, qbmEnterMethod}, {"A inside", kNoon + 3}, {"A exit", kNoon + 5, 0, kDay, qbmExitMethod}},
      {{"B enter", kNoon + 2, 0, kDay, qbmEnterMethod}, {"B exit", kNoon + 4, 0, kDay, qbmExitMethod}, {"B after", kNoon + 6}},
  });
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TQBSourceLogs sources;
  TSourceHost host;
  host.Sources = &sources;
  TQBHeadlessList list;
  TQBViewModel view(set, list, host);
  list.SetTarget(&view.Rows());
  adder.AddObserver(&view);
  ASSERT_TRUE(MergeLogFiles(paths, adder, &sources).Ok());

  const TQBViewRows& rows = view.Rows();
  ASSERT_EQ(TextsOf(set), QStringList({"A enter", "B enter", "A inside", "B exit", "A exit", "B after"}));
  std::vector<int> levels;
  for (int item = 0; item < rows.ItemCount(); ++item) levels.push_back(rows.ItemLevel(item));
  EXPECT_EQ(levels, std::vector<int>({0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(rows.MatchingExit(0), 4);
  EXPECT_EQ(rows.MatchingExit(1), 3);

  // The same records as one log nest into each other, as before.
  TQuillboxMessageSet one;
  TQBMessageAdder oneAdder(one);
  IQBViewHostHooks plain;
  TQBHeadlessList oneList;
  TQBViewModel oneView(one, oneList, plain);
  oneList.SetTarget(&oneView.Rows());
  oneAdder.AddObserver(&oneView);
  for (int rec = 1; rec <= set.GetRecordCount(); ++rec) oneAdder.AddMessage(RawMessageOf(set.At(rec)));
  levels.clear();
  for (int item = 0; item < oneView.Rows().ItemCount(); ++item) levels.push_back(oneView.Rows().ItemLevel(item));
  EXPECT_EQ(levels, std::vector<int>({0, 1, 2, 1, 0, 0}));
  EXPECT_EQ(oneView.Rows().MatchingExit(1), 3);
}

TEST(LogMerge, AnInvalidRecordEndsOnlyItsLog) {
  TTempFiles files;
  QByteArray broken = LogBytes({{"a1", kNoon}});
  broken += LogBytes({{"bad", kNoon + 1, 1441}});  // a bias past a day stops the log there
  broken += LogBytes({{"a3", kNoon + 2}});
  const QString a = files.Write("a.qbl", broken);
  const QString b = files.Write("b.qbl", LogBytes({{"b1", kNoon}, {"b2", kNoon + 5}}));
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  const TQBMergeResult result = MergeLogFiles({a, b}, adder, nullptr);
  EXPECT_EQ(result.Status, TQBMergeResult::TStatus::Merged);
  EXPECT_FALSE(result.Ok());
  ASSERT_EQ(result.Invalid.size(), 1u);
  EXPECT_EQ(result.Invalid[0].Log, 0);
  EXPECT_EQ(result.Invalid[0].MessagesRead, 1);
  EXPECT_GT(result.Invalid[0].Offset, 0);
  EXPECT_EQ(TextsOf(set), QStringList({"a1", "b1", "b2"}));
}

// Stops at the first progress report, as the window's Stop button does.
struct TStopAtOnce : IQBLogLoadEvents {
  int Reports = 0;
  int64_t Position = 0, Size = 0;
  void Progress(int64_t position, int64_t size) override { ++Reports, Position = position, Size = size; }
  bool StopRequested() override { return true; }
};

TEST(LogMerge, ReportsProgressOverAllLogsAndStopsWhenAsked) {
  TTempFiles files;
  std::vector<TRec> many(3000, TRec{"x"});
  const QStringList paths = WriteLogs(files, {many, many});
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TStopAtOnce events;
  const TQBMergeResult result = MergeLogFiles(paths, adder, nullptr, &events);
  EXPECT_EQ(result.Status, TQBMergeResult::TStatus::Stopped);
  EXPECT_EQ(result.MessagesAdded, 4096);
  EXPECT_EQ(set.GetRecordCount(), 4096);
  EXPECT_EQ(events.Reports, 1);
  EXPECT_EQ(events.Size, QFileInfo(paths[0]).size() * 2);
  EXPECT_GT(events.Position, events.Size / 2);
}

TEST(LogMerge, ALogThatCannotBeOpenedAddsNothing) {
  TTempFiles files;
  const QString a = files.Write("a.qbl", LogBytes({{"a1"}}));
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TQBSourceLogs sources;
  const TQBMergeResult result = MergeLogFiles({a, files.Path("missing.qbl")}, adder, &sources);
  EXPECT_EQ(result.Status, TQBMergeResult::TStatus::OpenFailed);
  EXPECT_EQ(result.FailedLog, 1);
  EXPECT_FALSE(result.Error.isEmpty());
  EXPECT_EQ(set.GetRecordCount(), 0);
  EXPECT_EQ(sources.LogCount(), 0);
}

}  // namespace
