// Message navigation without a window: the kind table and its reverse map, what the kind list shows,
// automatic mode, the time difference mode, the selection dialog's result and the enabling of the four
// commands, on a test view whose list operations are the view core's.

#include "support/QBTestView.h"
#include "support/QBTestFiles.h"

#include "shell/QBNavigator.h"
#include "settings/QBSettings.h"
#include "shell/QBViewBinding.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

// What the kind list and its button would show.
class TFakeDisplay final : public IQBNavigatorDisplay {
public:
  int Current = -1;  // the entry on the button
  std::array<bool, qbnav::EntryCount> Marked{};
  QString TimeDiffCaption = QStringLiteral("Time Difference");
  bool KindsEnabled = true;
  int EnablingNotices = 0;

  void ShowCurrentEntry(int entry) override {
    Current = entry;
    Marked[size_t(entry)] = true;
  }
  void SetMarked(int entry, bool marked) override { Marked[size_t(entry)] = marked; }
  void SetTimeDiffCaption(const QString& caption) override { TimeDiffCaption = caption; }
  void SetKindsEnabled(bool enabled) override { KindsEnabled = enabled; }
  void NavEnablingChanged() override { ++EnablingNotices; }

  QString Tooltip() const {
    if (Current < 0) return {};
    const QString caption =
        Current == qbnav::TimeDiffEntry ? TimeDiffCaption : QString::fromLatin1(qbnav::Entry(Current).Caption);
    return QString::fromLatin1(qbnav::BrowseForPrefix) + caption;
  }
  // The marked entries among the kinds and Time Difference.
  std::set<int> MarkedKinds() const {
    std::set<int> out;
    for (int e = 0; e < qbnav::EntryCount; ++e)
      if (e != qbnav::AutomaticEntry && Marked[size_t(e)]) out.insert(e);
    return out;
  }
};

class TFakeDialogs final : public IQBNavigatorDialogs {
public:
  bool Accept = true;
  int32_t Threshold = 2500;
  bool Automatic = false;
  int32_t Kind = 100;
  int Asked = 0;
  int32_t OfferedThreshold = -1;
  bool AskTimeDiffThreshold(int32_t& threshold) override {
    ++Asked, OfferedThreshold = threshold;
    if (Accept) threshold = Threshold;
    return Accept;
  }
  bool AskNavMessage(bool& automatic, int32_t& kind) override {
    ++Asked;
    if (Accept) automatic = Automatic, kind = Kind;
    return Accept;
  }
};

// The current view of the window: the test view, or none (a view without list operations).
class TCurrent final : public IQBCurrentView {
public:
  explicit TCurrent(QObject* view) : FView(TQBViewBinding::Of(view)) {}
  const TQBViewBinding& Current() const override { return Without ? FNone : FView; }
  bool Without = false;

private:
  TQBViewBinding FView, FNone;
};

class NavigatorTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
    Adder.AddObserver(&Navigator);
    Adder.AddObserver(&View.Model());
    Navigator.Restore(TQBGeneralSettings{});
  }
  void TearDown() override {
    MessageSet.Close();
    MessageSet.Open();
  }
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t t : types) Adder.AddMessage(qbtest::Message(t, "m"));
  }
  // Selects a row as a click does and tells the navigator, as the window's selection handling does.
  void Select(int row) {
    View.SetItemIndex(row);
    MessageSet.GotoRec(View.GetRowRecNo(row));
    Navigator.MessageFocused();
    Navigator.UpdateNavEnabling();
  }

  TQBTestView View{nullptr};
  TCurrent Views{&View};
  TFakeDisplay Display;
  TFakeDialogs Dialogs;
  TQBNavigator Navigator{Display, Dialogs, MessageSet, Views};
  TQBMessageAdder Adder{MessageSet};
};

TEST(NavKinds, TableTagsCaptionsAndReverseMap) {
  // Every kind's code maps back to it, and the tags run in table order.
  for (int e = 0; e < qbnav::KindCount; ++e) {
    EXPECT_EQ(qbnav::Entry(e).Tag, e);
    EXPECT_EQ(qbnav::KindOfCode(qbnav::Entry(e).Code), e) << qbnav::Entry(e).Name;
  }
  struct TCase {
    int32_t Code;
    const char* Command;  // nullptr: no command
  } cases[] = {
      {0, "actNavInfo"}, {8, "actNavNotes"}, {3, "actNavCheckPoints"}, {37, "actNavException"},
      {40, "actNavAppStartSeparator"}, {44, "actNavCustomHierarchy"}, {100, "actNavCustom"},
      {101, "actNavCustom"}, {150, "actNavCustom"}, {33000, "actNavCustom"}, {7, nullptr}, {13, nullptr},
      {14, nullptr}, {15, nullptr}, {42, nullptr}, {43, nullptr}, {45, nullptr}, {99, nullptr}, {-1, nullptr},
  };
  for (const TCase& c : cases) {
    const int kind = qbnav::KindOfCode(c.Code);
    EXPECT_EQ(std::string(kind < 0 ? "" : qbnav::Entry(kind).Name), std::string(c.Command ? c.Command : ""))
        << "code " << c.Code;
  }
  EXPECT_STREQ(qbnav::Entry(qbnav::AutomaticEntry).Name, "actNavAutomatic");
  EXPECT_EQ(qbnav::Entry(qbnav::AutomaticEntry).Tag, -1);
  EXPECT_STREQ(qbnav::Entry(qbnav::TimeDiffEntry).Caption, "Time Difference");
  EXPECT_EQ(qbnav::Entry(qbnav::TimeDiffEntry).Tag, 0);

  // The three menu columns hold every entry once.
  std::multiset<int> shown;
  for (int c = 0; c < qbnav::MenuColumnCount; ++c)
    for (int e : qbnav::MenuColumn(c)) shown.insert(e);
  EXPECT_EQ(shown.size(), size_t(qbnav::EntryCount));
  for (int e = 0; e < qbnav::EntryCount; ++e) EXPECT_EQ(shown.count(e), 1u) << e;
  EXPECT_STREQ(qbnav::Entry(qbnav::MenuColumn(0)[6]).Name, "actNavCheckPoints");
  EXPECT_STREQ(qbnav::Entry(qbnav::MenuColumn(2)[4]).Name, "actNavAppStartSeparator");
}

TEST_F(NavigatorTest, StartsOnCheckPointsWithTheDefaultSettings) {
  EXPECT_EQ(Navigator.Kind(), 3);
  EXPECT_TRUE(Navigator.Automatic());
  EXPECT_FALSE(Navigator.TimeDiff());
  EXPECT_EQ(Display.Tooltip(), "Browse for Check Points");
  EXPECT_EQ(Display.MarkedKinds(), std::set<int>{13});
  EXPECT_TRUE(Display.Marked[qbnav::AutomaticEntry]);
  EXPECT_EQ(Display.TimeDiffCaption, "Time Difference (1000 ms)");
  EXPECT_TRUE(Display.KindsEnabled);

  TQBGeneralSettings stored;
  stored.NavigatorMessage = 2, stored.NavigatorAutomatic = false, stored.TimeDiffNavThreshold = 4000,
  stored.NavigatorTimeDiff = true;
  Navigator.Restore(stored);
  TQBGeneralSettings written;
  Navigator.Store(written);
  EXPECT_EQ(written, stored);
  EXPECT_EQ(Display.Tooltip(), "Browse for Time Difference (4000 ms)");
  EXPECT_EQ(Display.MarkedKinds(), std::set<int>{qbnav::TimeDiffEntry});
}

TEST_F(NavigatorTest, AutomaticModeFollowsTheSelectedMessage) {
  //         0  1  2  3  4  5  6  7  8
  AddTypes({0, 1, 0, 3, 1, 0, 3, 0, 3});
  Select(1);
  EXPECT_EQ(Navigator.Kind(), 1);
  EXPECT_EQ(Display.Tooltip(), "Browse for Warning Messages");
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{false, false, true, true}));
  Navigator.Navigate(TQBNavDirection::Next);
  EXPECT_EQ(View.GetItemIndex(), 4);

  Select(6);
  EXPECT_EQ(Navigator.Kind(), 3);
  Navigator.Navigate(TQBNavDirection::Next);
  EXPECT_EQ(View.GetItemIndex(), 8);
  Navigator.Navigate(TQBNavDirection::First);
  EXPECT_EQ(View.GetItemIndex(), 3);

  // Without automatic mode the kind stays.
  Navigator.ToggleAutomatic();
  EXPECT_FALSE(Display.Marked[qbnav::AutomaticEntry]);
  Select(4);
  EXPECT_EQ(Navigator.Kind(), 3);
}

TEST_F(NavigatorTest, ATypeWithoutACommandMarksNothingButIsNavigatedTo) {
  AddTypes({0, 7, 0, 7});
  Select(1);
  EXPECT_EQ(Navigator.Kind(), 7);
  EXPECT_TRUE(Display.MarkedKinds().empty());
  EXPECT_EQ(Display.Tooltip(), "Browse for Check Points");  // the button keeps what it showed
  Navigator.Navigate(TQBNavDirection::Next);
  EXPECT_EQ(View.GetItemIndex(), 3);
}

TEST_F(NavigatorTest, CustomMessagesReachEveryCustomCode) {
  AddTypes({0, 100, 0, 101, 150, 0});
  Navigator.ChooseKind(qbnav::CustomKind);
  QList<int> visited;
  for (int i = 0; i < 3; ++i) {
    Navigator.Navigate(TQBNavDirection::Next);
    visited << View.GetItemIndex();
  }
  EXPECT_EQ(visited, QList<int>({1, 3, 4}));
}

TEST_F(NavigatorTest, TimeDifferenceModeEnablesAllFourEvenInAnEmptyView) {
  Navigator.UpdateNavEnabling();
  EXPECT_EQ(Navigator.Enabling(), TQBNavEnabling{});
  Navigator.ToggleTimeDiff();
  EXPECT_EQ(Dialogs.OfferedThreshold, 1000);
  EXPECT_TRUE(Navigator.TimeDiff());
  EXPECT_EQ(Navigator.Threshold(), 2500);
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{true, true, true, true}));
  EXPECT_FALSE(Display.KindsEnabled);
  EXPECT_EQ(Display.MarkedKinds(), std::set<int>{qbnav::TimeDiffEntry});
  EXPECT_EQ(Display.Tooltip(), "Browse for Time Difference (2500 ms)");

  // A selection in the mode leaves the kind and the list alone.
  AddTypes({1, 0});
  Select(0);
  EXPECT_EQ(Navigator.Kind(), 3);
  EXPECT_EQ(Display.Current, qbnav::TimeDiffEntry);

  // Switching it off brings the kind's mark, icon and tooltip back; no dialog is asked.
  Navigator.ToggleTimeDiff();
  EXPECT_EQ(Dialogs.Asked, 1);
  EXPECT_FALSE(Navigator.TimeDiff());
  EXPECT_TRUE(Display.KindsEnabled);
  EXPECT_EQ(Display.MarkedKinds(), std::set<int>{13});
  EXPECT_EQ(Display.Tooltip(), "Browse for Check Points");
  EXPECT_EQ(Display.TimeDiffCaption, "Time Difference (2500 ms)");
}

TEST_F(NavigatorTest, ACancelledThresholdChangesNothing) {
  Dialogs.Accept = false;
  Navigator.ToggleTimeDiff();
  EXPECT_FALSE(Navigator.TimeDiff());
  EXPECT_EQ(Navigator.Threshold(), 1000);
  EXPECT_EQ(Display.MarkedKinds(), std::set<int>{13});
}

TEST_F(NavigatorTest, TheSelectionDialogSetsModeAndKind) {
  AddTypes({0, 150, 0});
  Select(0);
  Navigator.SelectNavMessage();
  EXPECT_FALSE(Navigator.Automatic());
  EXPECT_EQ(Navigator.Kind(), 100);
  EXPECT_EQ(Display.MarkedKinds(), std::set<int>{qbnav::CustomKind});
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{false, false, true, true}));

  Dialogs.Accept = false;
  Dialogs.Kind = 2;
  Navigator.SelectNavMessage();
  EXPECT_EQ(Navigator.Kind(), 100);
}

TEST_F(NavigatorTest, EnablingFollowsTheViewAndArrivingMessages) {
  AddTypes({2, 0, 2, 0});
  Navigator.ChooseKind(3);  // Error Messages
  Select(1);
  EXPECT_EQ(Navigator.Kind(), 0);  // automatic: the selected info message
  Navigator.ChooseKind(3);
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{true, true, true, true}));
  Select(3);
  Navigator.ChooseKind(3);
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{true, true, false, false}));

  // Without list operations the enabling stays as it was.
  Views.Without = true;
  Navigator.UpdateNavEnabling();
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{true, true, false, false}));
  Views.Without = false;

  // A message of another kind changes nothing; one of the kind enables Next and Last at once, once.
  AddTypes({0});
  EXPECT_EQ(Display.EnablingNotices, 0);
  AddTypes({2, 2});
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{true, true, true, true}));
  EXPECT_EQ(Display.EnablingNotices, 1);

  // The command update asks the view again: the new errors lie after the selected row.
  TQBCommandInputs in;
  Navigator.GatherInputs(in);
  EXPECT_TRUE(in.NavFirst && in.NavPrevious && in.NavNext && in.NavLast);
}

TEST_F(NavigatorTest, ACustomKindIsEnabledByAnyArrivingCustomCode) {
  Navigator.ChooseKind(qbnav::CustomKind);
  AddTypes({150});
  EXPECT_EQ(Navigator.Enabling(), (TQBNavEnabling{false, false, true, true}));
}

TEST_F(NavigatorTest, NavigationWithoutListOperationsDoesNothing) {
  AddTypes({3, 3});
  Select(0);
  Views.Without = true;
  Navigator.Navigate(TQBNavDirection::Next);
  EXPECT_EQ(View.GetItemIndex(), 0);
}

}  // namespace
