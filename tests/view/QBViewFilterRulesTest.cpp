// The view filter dialog's rules without its widgets: the type buttons, the auto name, the check on
// OK, the process id text, loading and reading the criteria, and the value lists from the store.

#include "view/QBViewFilterRules.h"
#include "support/QBTestStore.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace qbviewfilter;

// Cases name only the fields they set; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// The form with the buttons of the given auto-name words down.
std::bitset<TypeButtonCount> Down(const QStringList& words) {
  std::bitset<TypeButtonCount> down;
  for (int i = 0; i < TypeButtonCount; ++i)
    if (words.contains(QLatin1String(TypeButtons()[size_t(i)].AutoNameWord))) down.set(size_t(i));
  return down;
}

TEST(ViewFilterRulesTest, TypeButtonsFillTheGridOnceWithTheirCodes) {
  QSet<int> codes, places;
  for (const TTypeButton& b : TypeButtons()) {
    codes.insert(b.Code);
    places.insert(b.Row * 8 + b.Column);
    EXPECT_LT(b.Row, 5);
    EXPECT_LT(b.Column, 8);
  }
  EXPECT_EQ(codes.size(), TypeButtonCount);
  EXPECT_EQ(places.size(), TypeButtonCount);
  // Row 5 holds three buttons and Custom; the eighth column holds the custom formats.
  EXPECT_EQ(QLatin1String(TypeButtons()[28].ObjectName), "btnStackTrace");
  EXPECT_EQ(TypeButtons()[35].Code, 100);
  EXPECT_EQ(TypeButtons()[35].Row * 8 + TypeButtons()[35].Column, 4 * 8 + 7);
  for (int code : {7, 11, 12, 13, 14, 15, 39, 40, 42, 43}) EXPECT_FALSE(codes.contains(code)) << code;
}

TEST(ViewFilterRulesTest, AutoName) {
  struct TCase {
    const char* Why;
    TQBFilterForm Form;
    const char* Name;
  };
  const QString longText = QString(45, QLatin1Char('x'));
  TQBFilterForm example;
  example.CheckCategory = true;
  example.Category = "Net";
  example.CheckProcessID = true;
  example.ProcessID = "1234";
  example.CheckMsgType = true;
  example.Down = Down({"Info", "Errors"});
  TQBFilterForm all;
  all.CheckAppName = all.CheckCategory = all.CheckComputerName = all.CheckProcessID = all.CheckThreadName =
      all.CheckMessageText = all.CheckMsgType = true;
  all.AppName = "App";
  all.Category = "Cat";
  all.ComputerName = "PC";
  all.ProcessID = "7";
  all.ThreadName = "Main";
  all.MessageText = longText;
  all.Down.set();
  const TCase cases[] = {
      {"nothing ticked", {}, ""},
      {"the example", example, "Net | PID=1234 | MsgTypes=Info,Errors"},
      {"an empty ticked application alone", {.CheckAppName = true}, ""},
      {"an empty application, then Net", {.CheckAppName = true, .CheckCategory = true, .Category = "Net"}, "Net"},
      {"Net, then an empty computer", {.CheckCategory = true, .Category = "Net", .CheckComputerName = true}, "Net | "},
      {"an empty process id keeps its key", {.CheckProcessID = true}, "PID="},
      {"unticked values play no part", {.AppName = "App", .CheckThreadName = true, .ThreadName = "T"}, "Thread=T"},
      {"the text is cut at 40", {.CheckMessageText = true, .MessageText = longText},
       "Text=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
      {"message type with no button down adds nothing", {.CheckAppName = true, .AppName = "A", .CheckMsgType = true},
       "A"},
      {"buttons down while the type is unticked add nothing", {.Down = Down({"Info"})}, ""},
  };
  for (const TCase& c : cases) EXPECT_EQ(AutoName(c.Form), QString::fromUtf8(c.Name)) << c.Why;
  const QString everything = AutoName(all);
  EXPECT_TRUE(everything.startsWith("App | Cat | PC | PID=7 | Thread=Main | Text=" + longText.left(40) +
                                    " | MsgTypes=Info,Notes,Warnings,Errors,Exceptions,Reminders,CheckPoints,Red,"))
      << everything.toStdString();
  EXPECT_TRUE(everything.endsWith(",CustomText,CustomProperties,CustomTable,CustomHierarchy,Custom"));
  EXPECT_TRUE(IsAutoName("Net | PID=1234 | MsgTypes=Info,Errors", example));
  EXPECT_FALSE(IsAutoName("net | PID=1234 | MsgTypes=Info,Errors", example));
  EXPECT_TRUE(IsAutoName("", {})) << "a new view's empty name is the empty auto name";
}

TEST(ViewFilterRulesTest, IncompleteFilterReport) {
  struct TCase {
    const char* Why;
    TQBFilterForm Form;
    const char* Text;  // null: complete
    TCriterion Focus;
  };
  TQBFilterForm everyEmpty;
  everyEmpty.CheckAppName = everyEmpty.CheckCategory = everyEmpty.CheckComputerName = everyEmpty.CheckProcessID =
      everyEmpty.CheckThreadName = everyEmpty.CheckMessageText = true;
  const TCase cases[] = {
      {"nothing ticked", {}, nullptr, TCriterion::AppName},
      {"values present", {.CheckAppName = true, .AppName = "A", .CheckProcessID = true, .ProcessID = "12"}, nullptr,
       TCriterion::AppName},
      {"an empty text that is not ticked", {.CheckAppName = true, .AppName = "A", .Category = ""}, nullptr,
       TCriterion::AppName},
      {"process id and application", {.CheckAppName = true, .CheckProcessID = true},
       "Incomplete Filter:\rPlease specify a Process ID.\rPlease specify an Application Name.", TCriterion::AppName},
      {"everything empty",
       everyEmpty,
       "Incomplete Filter:\rPlease specify a message sub-string.\rPlease specify a Thread Name or ID.\rPlease specify "
       "a Process ID.\rPlease specify a Computer Name.\rPlease specify a Category.\rPlease specify an Application "
       "Name.",
       TCriterion::AppName},
      {"thread alone", {.CheckThreadName = true}, "Incomplete Filter:\rPlease specify a Thread Name or ID.",
       TCriterion::ThreadName},
      {"a process id that is no number", {.CheckProcessID = true, .ProcessID = "12a"},
       "Incomplete Filter:\rPlease specify the Process ID as a decimal number.", TCriterion::ProcessID},
      {"no number, then an empty computer", {.CheckComputerName = true, .CheckProcessID = true, .ProcessID = "x"},
       "Incomplete Filter:\rPlease specify the Process ID as a decimal number.\rPlease specify a Computer Name.",
       TCriterion::ComputerName},
      {"an unticked process id is not looked at", {.ProcessID = "x"}, nullptr, TCriterion::AppName},
  };
  for (const TCase& c : cases) {
    const auto report = CheckForm(c.Form);
    if (!c.Text) {
      EXPECT_FALSE(report.has_value()) << c.Why;
      continue;
    }
    ASSERT_TRUE(report.has_value()) << c.Why;
    EXPECT_EQ(report->Text, QString::fromUtf8(c.Text)) << c.Why;
    EXPECT_EQ(report->Focus, c.Focus) << c.Why;
  }
}

TEST(ViewFilterRulesTest, ProcessIdTextIsA64BitDecimalKeptAsItsLow32Bits) {
  struct TCase {
    const char* Text;
    bool Ok;
    int32_t Pid;
  } cases[] = {
      {"1234", true, 1234},           {" 42 ", true, 42},
      {"+5", true, 5},                {"-1", true, -1},
      {"4294967295", true, -1},       {"4294967296", true, 0},
      {"9223372036854775807", true, -1}, {"-9223372036854775808", true, 0},
      {"9223372036854775808", false, 0}, {"12a", false, 0},
      {"0x10", false, 0},             {"", false, 0},
      {"-", false, 0},                {"1 2", false, 0},
  };
  for (const TCase& c : cases) {
    int32_t pid = 0;
    EXPECT_EQ(ParseProcessID(QString::fromLatin1(c.Text), pid), c.Ok) << c.Text;
    if (c.Ok) EXPECT_EQ(pid, c.Pid) << c.Text;
  }
  EXPECT_EQ(ProcessIDText(0), "");
  EXPECT_EQ(ProcessIDText(-1), "4294967295");
}

TEST(ViewFilterRulesTest, ReadingCutsTheStoredLengthsAndLoadingPressesTheTypesButtons) {
  TQBFilterForm form;
  form.CheckAppName = true;
  form.AppName = QString(50, 'a');
  form.Category = QString(50, 'c');  // stored even when not ticked
  form.ComputerName = QString(20, 'p');
  form.ThreadName = QString(30, 't');
  form.MessageText = QString(50, 'm');
  form.ProcessID = "4294967295";
  form.CheckMsgType = true;
  form.Down = Down({"Info", "Custom"});
  const TQBFilterCriteria c = ReadCriteria(form);
  EXPECT_EQ(c.AppName.size(), 40);
  EXPECT_EQ(c.Category.size(), 40);
  EXPECT_EQ(c.ComputerName.size(), 15);
  EXPECT_EQ(c.ThreadName.size(), 25);
  EXPECT_EQ(c.MessageText.size(), 40);
  EXPECT_EQ(c.ProcessID, -1);
  EXPECT_TRUE(c.CheckMsgTypes);
  EXPECT_EQ(c.MsgTypes.count(), 2u);
  EXPECT_TRUE(c.MsgTypes.test(0) && c.MsgTypes.test(100));
  EXPECT_EQ(ReadCriteria({.ProcessID = ""}).ProcessID, 0);

  TQBFilterCriteria loaded;
  loaded.CheckThreadName = true;
  loaded.ThreadName = "Main";
  loaded.MsgTypes.set(2).set(7);  // 7 has no button
  TQBFilterForm target;
  target.Down = Down({"Notes"});
  LoadCriteria(loaded, target);
  EXPECT_TRUE(target.CheckThreadName);
  EXPECT_EQ(target.ThreadName, "Main");
  EXPECT_EQ(target.ProcessID, "") << "process id 0 shows as an empty field";
  EXPECT_EQ(target.Down, Down({"Notes", "Errors"})) << "buttons of other codes stay as they were";
}

TEST(ViewFilterRulesTest, TimeRangeCriterion) {
  const QString from = "2024-01-01 23:55:00.000", to = "2024-01-02 00:05:30.250";
  const TQBFilterForm form{.CheckTimeRange = true, .TimeFrom = from, .TimeTo = to};
  EXPECT_EQ(AutoName(form), "Time=23:55:00-00:05:30");
  EXPECT_EQ(AutoName({.CheckCategory = true, .Category = "Net", .CheckTimeRange = true, .TimeFrom = from,
                      .TimeTo = "later"}),
            "Net | Time=23:55:00-later")
      << "an end that cannot be read shows as typed";
  EXPECT_EQ(AutoName({.TimeFrom = from, .TimeTo = to}), "") << "unticked";

  EXPECT_FALSE(CheckForm(form).has_value());
  EXPECT_FALSE(CheckForm({.CheckTimeRange = true, .TimeFrom = from, .TimeTo = from}).has_value()) << "one instant";
  for (const TQBFilterForm& bad : {TQBFilterForm{.CheckTimeRange = true, .TimeFrom = to, .TimeTo = from},
                                   TQBFilterForm{.CheckTimeRange = true, .TimeFrom = from},
                                   TQBFilterForm{.CheckTimeRange = true, .TimeFrom = "2024-02-30 00:00:00.000", .TimeTo = to},
                                   TQBFilterForm{.CheckTimeRange = true, .TimeFrom = "2024-01-01 24:00:00.000", .TimeTo = to},
                                   TQBFilterForm{.CheckTimeRange = true, .TimeFrom = "2024-01-01 23:55", .TimeTo = to}}) {
    const auto report = CheckForm(bad);
    ASSERT_TRUE(report.has_value()) << bad.TimeFrom.toStdString() << " .. " << bad.TimeTo.toStdString();
    EXPECT_EQ(report->Focus, TCriterion::TimeRange);
    EXPECT_TRUE(report->Text.contains("time range"));
  }

  const TQBFilterCriteria c = ReadCriteria(form);
  ASSERT_TRUE(c.CheckTimeRange);
  EXPECT_EQ(c.TimeRange.From, (TQBTimeStamp{(23 * 60 + 55) * 60000, 738886}));
  EXPECT_EQ(c.TimeRange.To, (TQBTimeStamp{5 * 60000 + 30250, 738887}));
  TQBFilterForm loaded;
  LoadCriteria(c, loaded);
  EXPECT_TRUE(loaded.CheckTimeRange);
  EXPECT_EQ(loaded.TimeFrom, from);
  EXPECT_EQ(loaded.TimeTo, to);
}

TEST(ViewFilterRulesTest, ValueListsHoldEachStoreValueOnceSortedWithoutCase) {
  TQuillboxMessageSet set;
  qbtest::TTestStore store(set);
  EXPECT_TRUE(CollectValueLists(set).AppNames.isEmpty()) << "an empty store gives empty lists";
  store.Add({.App = "beta", .Category = "", .Pid = 20, .Thread = "Main", .Computer = "PC"});
  store.Add({.App = "Alpha", .Category = "Net", .Pid = 100, .Thread = "main", .Computer = "pc"});
  store.Add({.App = "BETA", .Category = "NET", .Pid = 20, .Thread = QString::fromUtf8("\xC3\x84rger")});
  store.Add({.App = "alpha2", .Category = "db", .Pid = 3, .Thread = QString::fromUtf8("\xC3\xA4rger")});
  const TQBValueLists lists = CollectValueLists(set);
  EXPECT_EQ(lists.AppNames, (QStringList{"Alpha", "alpha2", "beta"}));
  EXPECT_EQ(lists.Categories, (QStringList{"", "db", "Net"}));
  EXPECT_EQ(lists.ProcessIDs, (QStringList{"100", "20", "3"}));
  EXPECT_EQ(lists.ComputerNames, (QStringList{"", "PC"}));
  // Only ASCII letters fold, as in the filter: the two umlaut forms are two values.
  EXPECT_EQ(lists.ThreadNames.size(), 3);
  EXPECT_EQ(lists.ThreadNames.front(), "Main");
}

}  // namespace
