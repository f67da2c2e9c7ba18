#include "QBViewFixture.h"

#include "view/QBFilterCriteria.h"
#include "settings/QBIniFile.h"

#include <gtest/gtest.h>

namespace {

using qbtest::TViewFixture;

struct TMatchCase {
  const char* Name;
  TQBFilterCriteria Criteria;
  qbtest::TMsg Message;
  bool Accepted;
};

TQBFilterCriteria App(const QString& name) {
  TQBFilterCriteria c;
  c.CheckAppName = true;
  c.AppName = name;
  return c;
}
TQBFilterCriteria Text(const QString& text) {
  TQBFilterCriteria c;
  c.CheckMessageText = true;
  c.MessageText = text;
  return c;
}
TQBFilterCriteria Types(std::initializer_list<int> codes, bool on = true) {
  TQBFilterCriteria c;
  c.CheckMsgTypes = on;
  for (int code : codes) c.MsgTypes.set(size_t(code));
  return c;
}

// The range from..to of times of day on kDay (a To past 24 h lies on the next day).
TQBFilterCriteria During(int32_t fromMs, int32_t toMs) {
  TQBFilterCriteria c;
  c.CheckTimeRange = true;
  c.TimeRange = {{fromMs % 86400000, qbtest::kDay + fromMs / 86400000}, {toMs % 86400000, qbtest::kDay + toMs / 86400000}};
  return c;
}
constexpr int32_t kHour = 3600000;

TEST(Filter, MatchesAsTheCriteriaSay) {
  const TMatchCase cases[] = {
      {"all switches off", {}, {0, "x", {}, "any"}, true},
      {"empty app name accepts only an empty name", App(""), {0, "x", {}, ""}, true},
      {"empty app name rejects a named app", App(""), {0, "x", {}, "a"}, false},
      {"ASCII letters fold", App("MYAPP"), {0, "x", {}, "myapp"}, true},
      {"whole name, no substring", App("APP"), {0, "x", {}, "myapp"}, false},
      {"umlauts do not fold", App(QString::fromUtf8("\xC3\x84pp")), {0, "x", {}, "\xC3\xA4pp"}, false},
      {"text found after folding", Text("error"), {0, "An ERROR occurred"}, true},
      {"details are not searched", Text("error"), {0, "fine", "error in details"}, false},
      {"empty text accepts nothing", Text(""), {0, "anything"}, false},
      {"empty type set accepts nothing", Types({}), {0, "x"}, false},
      {"type in set", Types({2}), {2, "x"}, true},
      {"custom 1000 never passes", Types({100}), {1000, "x"}, false},
      {"type set switched off", Types({2}, false), {5, "x"}, true},
      {"time range: the first instant", During(kHour, 2 * kHour), {0, "x", {}, {}, kHour}, true},
      {"time range: the last instant", During(kHour, 2 * kHour), {0, "x", {}, {}, 2 * kHour}, true},
      {"time range: a millisecond early", During(kHour, 2 * kHour), {0, "x", {}, {}, kHour - 1}, false},
      {"time range: a millisecond late", During(kHour, 2 * kHour), {0, "x", {}, {}, 2 * kHour + 1}, false},
      {"time range: the same time a day later", During(kHour, 2 * kHour), {0, "x", {}, {}, kHour, qbtest::kDay + 1},
       false},
      {"time range across midnight", During(23 * kHour, 25 * kHour), {0, "x", {}, {}, 0, qbtest::kDay + 1}, true},
  };
  for (const TMatchCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TViewFixture f;
    f.View.SetFilterCriteria(c.Criteria);
    f.Add(c.Message);
    EXPECT_EQ(f.Rows.RowCount(), c.Accepted ? 1 : 0);
  }
}

TEST(Filter, NameAnswersFollowTheStoreAfterItWasEmptied) {
  TViewFixture f;
  f.View.SetFilterCriteria(App("a"));
  f.Add({0, "1", {}, "a"});
  f.Add({0, "2", {}, "b"});
  f.View.ClearView();
  f.Set.Close();
  f.Set.Open();
  f.Add({0, "3", {}, "b"});  // may get the id "a" had
  f.Add({0, "4", {}, "a"});
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{2}));
}

// A criterion whose name no message carries yet matches the first message that brings it, in any case
// of its ASCII letters; views on the same name keep nothing per name.
TEST(Filter, NameArrivingAfterTheViewIsMatched) {
  TViewFixture f;
  f.View.SetFilterCriteria(App("Late"));
  f.Add({0, "1", {}, "early"});
  f.Add({0, "2", {}, "LATE"});
  f.Add({0, "3", {}, "other"});
  f.Add({0, "4", {}, "late"});
  EXPECT_EQ(f.RowRecNos(), (std::vector<int>{2, 4}));
}

TEST(FilterSettings, SavesSwitchesAndOnlyTheValuesSwitchedOn) {
  TQBFilterCriteria c;
  c.CheckCategory = true;
  c.Category = "Net";
  c.AppName = "ignored";
  TQBIniFile ini(QString(), false);  // in memory only
  IQBSettingsWriter& s = ini.Writer();
  s.SetSection("View1");
  qbfilter::SaveFilter(c, s);
  EXPECT_EQ(ini.ReadSection("View1"), (QStringList{"CheckMsgTypes", "CheckAppName", "CheckCategory", "Category", "CheckProcessID",
                                   "CheckThreadName", "CheckComputerName", "CheckMessageText"}));
  EXPECT_EQ(ini.Document().Value("View1", "CheckCategory"), "1");
  EXPECT_EQ(ini.Document().Value("View1", "CheckAppName"), "0");
}

TEST(FilterSettings, RoundTripsEveryField) {
  TQBFilterCriteria c;
  c.CheckAppName = c.CheckCategory = c.CheckProcessID = c.CheckThreadName = true;
  c.CheckComputerName = c.CheckMessageText = c.CheckMsgTypes = true;
  c.AppName = "App";
  c.Category = "Cat";
  c.ProcessID = -5;
  c.ThreadName = "T";
  c.ComputerName = "PC";
  c.MessageText = "txt";
  c.MsgTypes.set(0).set(44).set(100);
  TQBIniFile ini(QString(), false);
  ini.SetSection("View");
  qbfilter::SaveFilter(c, ini.Writer());
  EXPECT_EQ(qbfilter::LoadFilter(ini.Reader()), c);
}

TEST(FilterSettings, TheTimeRangeIsStoredUnderKeysOfItsOwnAfterTheOthers) {
  TQBFilterCriteria c = During(23 * kHour, 25 * kHour + 1);
  c.CheckCategory = true;
  c.Category = "Net";
  TQBIniFile ini(QString(), false);
  ini.SetSection("View");
  qbfilter::SaveFilter(c, ini.Writer());
  // The keys an older reader knows come first and unchanged; it skips the three after them.
  EXPECT_EQ(ini.ReadSection("View"),
            (QStringList{"CheckMsgTypes", "CheckAppName", "CheckCategory", "Category", "CheckProcessID", "CheckThreadName",
                         "CheckComputerName", "CheckMessageText", "CheckTimeRange", "TimeFrom", "TimeTo"}));
  EXPECT_EQ(ini.Document().Value("View", "TimeFrom"), "2024-01-01 23:00:00.000");
  EXPECT_EQ(ini.Document().Value("View", "TimeTo"), "2024-01-02 01:00:00.001");
  EXPECT_EQ(qbfilter::LoadFilter(ini.Reader()), c);

  // Ends that cannot be read leave the view without a time range rather than empty.
  for (const char* bad : {"", "2024-01-01", "2024-13-01 00:00:00.000", "2024-01-01T00:00:00.000"}) {
    ini.Writer().WriteString("TimeTo", bad);
    const TQBFilterCriteria read = qbfilter::LoadFilter(ini.Reader());
    EXPECT_FALSE(read.CheckTimeRange) << bad;
    EXPECT_TRUE(read.CheckCategory) << bad;
  }
}

TEST(FilterSettings, MissingOrUnreadableKeysGiveDefaults) {
  TQBIniFile ini(QString(), false);
  ini.SetSection("View");
  ini.Writer().WriteString("CheckAppName", "yes");
  ini.Writer().WriteString("ProcessID", "12abc");
  ini.Writer().WriteString("CheckCategory", "7");
  const TQBFilterCriteria c = qbfilter::LoadFilter(ini.Reader());
  EXPECT_FALSE(c.CheckAppName);
  EXPECT_EQ(c.ProcessID, 0);
  EXPECT_TRUE(c.CheckCategory);  // any non-zero integer is true
  EXPECT_TRUE(c.MsgTypes.none());
}

TEST(FilterSettings, TypeSetEncodesAsDigitsAndDecodesAnyText) {
  std::bitset<256> types;
  types.set(0).set(2).set(100).set(200);  // 200 is not stored
  EXPECT_EQ(qbfilter::EncodeMsgTypes(types), "101" + QString(42, '0') + "1");

  struct TCase {
    QString Text;
    std::vector<int> Codes;
  };
  const TCase cases[] = {
      {"", {}},
      {"1", {100}},
      {"10", {0}},
      {"11", {0, 100}},
      {QString(300, '1'), [] {
         std::vector<int> v;
         for (int i = 0; i <= 255; ++i) v.push_back(i);
         return v;
       }()},
      {"x1y0", {1}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text.left(10).toStdString());
    std::bitset<256> expected;
    for (int code : c.Codes) expected.set(size_t(code));
    EXPECT_EQ(qbfilter::DecodeMsgTypes(c.Text), expected);
  }
}

}  // namespace
