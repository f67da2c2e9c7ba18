// The Search menu's commands without a window: what Find and Find Next hand the current view and what
// they keep from it, where Go to Time's question starts and what its answer does, the bookmark
// commands, and views without the interfaces a command needs.

#include "support/QBTestFiles.h"
#include "support/QBTestView.h"

#include "model/QBMessageAdder.h"
#include "settings/QBSettings.h"
#include "shell/QBSearchCommands.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// The view's search, find options and time interfaces, recording what they are asked as words.
class TSearchParts final : public IQBMessageViewSearch, public IQBMessageViewFindOptions, public IQBMessageViewTime {
public:
  QStringList Calls;
  // The view's own find options, which its dialog edits as the user ticks the boxes.
  bool MatchCase = false, RegularExpression = false;
  // The find dialog's answer: confirmed with "found", backwards, without details, from the cursor, and
  // both boxes ticked; or cancelled after the boxes were ticked.
  bool Confirm = true;

  bool ShowFindDialog(QString& text, bool& forward, bool& inDetails, bool& fromCursor) override {
    Calls << QStringLiteral("dialog '%1' %2 %3 %4").arg(text).arg(forward).arg(inDetails).arg(fromCursor);
    MatchCase = RegularExpression = true;
    if (!Confirm) return false;
    text = QStringLiteral("found");
    forward = inDetails = false;
    fromCursor = true;
    return true;
  }
  void FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward) override {
    Calls << QStringLiteral("find %1 '%2' %3 %4 %5").arg(fresh).arg(text).arg(inDetails).arg(fromCursor).arg(forward);
    if (WhileSearching) WhileSearching();
  }
  // Runs inside FindText, as a close request reaches the window while a long search shows progress.
  std::function<void()> WhileSearching;
  void GetFindOptions(bool& matchCase, bool& regularExpression) const override {
    matchCase = MatchCase, regularExpression = RegularExpression;
  }
  void SetFindOptions(bool matchCase, bool regularExpression) override {
    Calls << QStringLiteral("options %1 %2").arg(matchCase).arg(regularExpression);
    MatchCase = matchCase, RegularExpression = regularExpression;
  }
  void GoToTime(const TQBTimeStamp& ts) override { Calls << QStringLiteral("go to %1").arg(ts.Time); }
};

// The test view with the list commands whose work is the view's own recorded instead.
class TListView final : public TQBTestView {
public:
  QStringList Calls;
  void JumpToMessage() override { Calls << QStringLiteral("jump"); }
  void GoToBookmark(int n) override { Calls << QStringLiteral("bookmark %1").arg(n); }
};

// Go to Time's question: records where it started and answers with Answer, or cancels without one.
class TTimeQuestion final : public IQBTimeQuestion {
public:
  bool AskTime(TQBTimeStamp& value) override {
    Offered << value.Time;
    if (!Answer) return false;
    value = *Answer;
    return true;
  }
  std::optional<TQBTimeStamp> Answer;
  QList<int32_t> Offered;
};

class SearchCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
    Adder.AddObserver(&View.Model());
    Current.Binding = Full();
  }
  void TearDown() override {
    MessageSet.Close();
    MessageSet.Open();
  }
  // The view with every interface the commands use.
  TQBViewBinding Full() {
    TQBViewBinding binding;
    binding.View = &View;
    binding.List = &View;
    binding.Search = &Parts;
    binding.FindOptions = &Parts;
    binding.Time = &Parts;
    return binding;
  }
  // Messages of the types, one second apart from noon on.
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t type : types) {
      TQBRawMessage msg = qbtest::Message(type, "text");
      msg.Date = qbtest::kDay;
      msg.Time = qbtest::kNoon + 1000 * MessageSet.GetRecordCount();
      Adder.AddMessage(msg);
    }
  }

  TListView View;
  TSearchParts Parts;
  TQBTestCurrentView Current;
  TTimeQuestion Time;
  TQBMessageAdder Adder{MessageSet};
  TQBSearchCommands Commands{Current, MessageSet, Time};
};

// The options go to the view before its dialog; what the dialog confirmed is kept, options included,
// and what it cancelled is not, even though the view's boxes were ticked meanwhile.
TEST_F(SearchCommandsTest, FindKeepsWhatTheDialogConfirmed) {
  TQBSearchState confirmed;
  confirmed.Text = QStringLiteral("found");
  confirmed.Forward = confirmed.InDetails = false;
  confirmed.FromCursor = true;
  TQBSearchState confirmedWithOptions = confirmed;
  confirmedWithOptions.MatchCase = confirmedWithOptions.RegularExpression = true;
  struct TCase {
    const char* Why;
    bool Confirm, FindOptions;
    QStringList Calls;
    TQBSearchState Kept;
  } cases[] = {
      {"confirmed", true, true, {"options 0 0", "dialog '' 1 1 0"}, confirmedWithOptions},
      {"cancelled", false, true, {"options 0 0", "dialog '' 1 1 0"}, TQBSearchState{}},
      // A view without find options searches with both off, and the window keeps its own.
      {"confirmed, no find options", true, false, {"dialog '' 1 1 0"}, confirmed},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    TQBSearchCommands commands{Current, MessageSet, Time};
    Parts = {};
    Parts.Confirm = c.Confirm;
    Current.Binding.FindOptions = c.FindOptions ? &Parts : nullptr;
    commands.Find();
    EXPECT_EQ(Parts.Calls, c.Calls);
    EXPECT_EQ(commands.State(), c.Kept);
  }
}

TEST_F(SearchCommandsTest, FindNextSearchesOnWithTheKeptTextAndOptions) {
  TQBSettings settings;
  settings.Find.RegularExpression = true;
  Commands.ReadSettings(settings);
  Commands.FindNext();
  Parts.Confirm = true;
  Commands.Find();
  Parts.MatchCase = Parts.RegularExpression = false;  // the view forgets; the window does not
  Commands.FindNext();
  EXPECT_EQ(Parts.Calls, (QStringList{"options 0 1", "find 0 '' 1 0 1", "options 0 1", "dialog '' 1 1 0",
                                      "options 1 1", "find 0 'found' 0 1 0"}));
}

// Every option the find dialog shows comes from the settings and goes back to them.
TEST_F(SearchCommandsTest, TheOptionsComeFromTheSettingsAndGoBack) {
  TQBSettings stored;
  stored.Find = {false, true, false, true, true};
  Commands.ReadSettings(stored);
  Parts.Confirm = true;
  Commands.Find();
  EXPECT_EQ(Parts.Calls.front(), QStringLiteral("options 1 1"));
  EXPECT_EQ(Parts.Calls[1], QStringLiteral("dialog '' 0 0 1"));
  TQBSettings written;
  Commands.WriteSettings(written);
  EXPECT_EQ(written.Find, (TQBFindSettings{false, true, false, true, true}));
}

// The question starts at the focused message's time, else at the first row's; the view, which shows
// only errors here, goes to the answer.
TEST_F(SearchCommandsTest, GoToTimeStartsAtTheFocusedMessageAndGoesToTheAnswer) {
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(2);
  View.SetFilterCriteria(errors);
  AddTypes({0, 2, 0, 2});  // rows: records 2 and 4
  const TQBTimeStamp answer{qbtest::kNoon + 500, qbtest::kDay};
  struct TCase {
    const char* Why;
    int Focused;
    std::optional<TQBTimeStamp> Answer;
    QList<int32_t> Offered;
    QStringList Calls;
  } cases[] = {
      {"focused row", 1, answer, {qbtest::kNoon + 3000}, {"go to 43200500"}},
      {"no focused row: the first row", -1, answer, {qbtest::kNoon + 1000}, {"go to 43200500"}},
      {"cancelled", 1, std::nullopt, {qbtest::kNoon + 3000}, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    View.SetItemIndex(c.Focused);
    Time.Answer = c.Answer;
    Time.Offered.clear();
    Parts.Calls.clear();
    Commands.GoToTime();
    EXPECT_EQ(Time.Offered, c.Offered);
    EXPECT_EQ(Parts.Calls, c.Calls);
  }
  // An empty view has no time to start at and nothing to go to.
  View.ClearView();
  Time.Offered.clear();
  Commands.GoToTime();
  EXPECT_TRUE(Time.Offered.isEmpty());
}

TEST_F(SearchCommandsTest, BookmarksAndJumpToMessageGoToTheView) {
  AddTypes({0, 0, 0});
  View.SetItemIndex(2);
  Commands.ToggleBookmark(3);
  EXPECT_EQ(View.GetBookmark(3), 3);
  Commands.ToggleBookmark(3);
  EXPECT_EQ(View.GetBookmark(3), -1);
  Commands.JumpToBookmark(7);
  Commands.JumpToMessage();
  EXPECT_EQ(View.Calls, (QStringList{"bookmark 7", "jump"}));
}

// No view, or a view without the interface a command needs: those commands ask, search and move
// nothing, and the others still work.
TEST_F(SearchCommandsTest, WithoutTheInterfaceACommandNeedsItDoesNothing) {
  AddTypes({0, 0});
  TQBViewBinding listOnly;
  listOnly.View = &View;
  listOnly.List = &View;
  TQBViewBinding noList = Full();
  noList.List = nullptr;
  struct TCase {
    const char* Why;
    TQBViewBinding Binding;
    bool Searched, TimeAsked, ListUsed;
  } cases[] = {
      {"no view", {}, false, false, false},
      {"no search or time interface", listOnly, false, false, true},
      {"no list interface", noList, true, true, false},
  };
  const std::function<void()> commands[] = {
      [&] { Commands.Find(); },
      [&] { Commands.FindNext(); },
      [&] { Commands.GoToTime(); },
      [&] { Commands.JumpToMessage(); },
      [&] { Commands.ToggleBookmark(0); },
      [&] { Commands.JumpToBookmark(0); },
  };
  View.SetItemIndex(0);
  Time.Answer = TQBTimeStamp{};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    Current.Binding = c.Binding;
    Parts.Calls.clear(), Time.Offered.clear(), View.Calls.clear();
    View.ClearBookmarks();
    for (const auto& command : commands) command();
    EXPECT_EQ(Parts.Calls.filter(QStringLiteral("find")).size(), c.Searched ? 1 : 0);
    EXPECT_EQ(Parts.Calls.filter(QStringLiteral("dialog")).size(), c.Searched ? 1 : 0);
    EXPECT_EQ(Time.Offered.size(), c.TimeAsked ? 1 : 0);
    EXPECT_EQ(View.Calls.size(), c.ListUsed ? 2 : 0);
    EXPECT_EQ(View.GetBookmark(0) >= 0, c.ListUsed);
  }
}

// A close request while a search runs (a terminate signal reaching the window through the search's
// progress) waits for the search's end and is then posted; with no search running it goes ahead.
TEST_F(SearchCommandsTest, ACloseDuringASearchWaitsForItsEnd) {
  QStringList events;
  std::function<void()> posted;
  Commands.SetPost([&](std::function<void()> work) {
    events << "posted";
    posted = std::move(work);
  });
  const auto close = [&events] { events << "closed"; };
  EXPECT_TRUE(Commands.CanClose(close));
  Parts.WhileSearching = [&] { events << (Commands.CanClose(close) ? "close now" : "close waits"); };
  Commands.FindNext();
  EXPECT_EQ(events, (QStringList{"close waits", "posted"}));
  ASSERT_TRUE(posted);
  posted();
  EXPECT_EQ(events.last(), "closed");
  Parts.WhileSearching = nullptr;
  Commands.FindNext();
  EXPECT_EQ(events.size(), 3) << "nothing is left waiting";
}

}  // namespace
