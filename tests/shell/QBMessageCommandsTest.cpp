// The message and method commands without a window, on the test view: what Delete and Crop to
// Selection leave, when they ask for the panes to be renewed and which of them changes the log, Method
// Match with and without Shift, the expand and collapse commands, and views without the interfaces a
// command needs.

#include "support/QBTestFiles.h"
#include "support/QBTestView.h"

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"
#include "shell/QBMessageCommands.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

class MessageCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
    Adder.AddObserver(&View.Model());
    Current.Binding = TQBViewBinding::Of(&View);
  }
  void TearDown() override {
    MessageSet.Close();
    MessageSet.Open();
  }
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t type : types) Adder.AddMessage(qbtest::Message(type, "text"));
  }
  std::set<int> SelectedRows() const {
    std::set<int> rows;
    for (int row = 0; row < View.GetCount(); ++row)
      if (View.IsRowSelected(row)) rows.insert(row);
    return rows;
  }

  TQBTestView View;
  TQBTestCurrentView Current;
  TQBLogState Log;
  int Inspections = 0;
  TQBMessageAdder Adder{MessageSet};
  TQBMessageCommands Commands{Current, Log, [this] { ++Inspections; }};
};

// A view that keeps a focused row reports the change itself; one left without any would leave the
// panes showing a message it no longer has. Only Delete changes the log: Crop narrows one view.
TEST_F(MessageCommandsTest, DeleteAndCropLeaveTheRowsAndRenewThePanesWhenNothingIsFocused) {
  struct TCase {
    const char* Why;
    std::function<void(TQBMessageCommands&)> Run;
    std::set<int> Selected;
    int RowsAfter;
    int Inspections;
    bool Modified;
  } cases[] = {
      {"delete one row", [](auto& c) { c.Delete(); }, {1}, 3, 0, true},
      {"delete every row", [](auto& c) { c.Delete(); }, {0, 1, 2, 3}, 0, 1, true},
      {"crop to one row", [](auto& c) { c.CropToSelection(); }, {2}, 1, 0, false},
      {"crop to no row", [](auto& c) { c.CropToSelection(); }, {}, 0, 1, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    View.ClearView();
    AddTypes({0, 1, 2, 3});
    for (int row : c.Selected) View.SetRowSelected(row, true);
    Log.Modified = false;
    Inspections = 0;
    c.Run(Commands);
    EXPECT_EQ(View.GetCount(), c.RowsAfter);
    EXPECT_EQ(Inspections, c.Inspections);
    EXPECT_EQ(Log.Modified, c.Modified);
  }
}

// Method Match goes between an entry and its exit; with Shift the row it started on stays selected,
// so the two end up selected together.
TEST_F(MessageCommandsTest, MethodMatchWithShiftKeepsTheRowItStartedOn) {
  struct TCase {
    int From;
    bool Shift;
    int To;
    std::set<int> Selected;
  } cases[] = {
      {0, false, 2, {2}},
      {0, true, 2, {0, 2}},
      {2, true, 0, {0, 2}},
      {-1, true, -1, {}},  // nothing focused: nothing to match or keep
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.From << (c.Shift ? " with" : " without") << " Shift");
    View.ClearView();
    AddTypes({qbmEnterMethod, qbmInfo, qbmExitMethod});
    View.SetItemIndex(c.From);
    Commands.MethodMatch(c.Shift);
    EXPECT_EQ(View.GetItemIndex(), c.To);
    EXPECT_EQ(SelectedRows(), c.Selected);
  }
}

// Two methods, both collapsed, the focus on the second: Expand All opens both, Expand to End and Toggle
// Method only the second.
TEST_F(MessageCommandsTest, ExpandCommandsOpenWhatTheyShould) {
  AddTypes({qbmEnterMethod, qbmInfo, qbmExitMethod, qbmEnterMethod, qbmInfo, qbmExitMethod});
  struct TCase {
    const char* Command;
    std::function<void(TQBMessageCommands&)> Run;
    bool FirstCollapsed;
    int Rows;
  } cases[] = {
      {"Expand All", [](auto& c) { c.ExpandAll(); }, false, 6},
      {"Expand to End", [](auto& c) { c.ExpandToEnd(); }, true, 4},
      {"Toggle Method", [](auto& c) { c.ToggleMethod(); }, true, 4},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Command);
    Commands.CollapseAll();
    ASSERT_EQ(View.GetCount(), 2);
    View.SetItemIndex(1);
    c.Run(Commands);
    EXPECT_EQ(View.GetCount(), c.Rows);
    EXPECT_EQ(View.IsMethodCollapsed(0), c.FirstCollapsed);
  }
}

TEST_F(MessageCommandsTest, CurrentMethodGoesToTheEnclosingEntryAndSelectAllSelectsEveryRow) {
  AddTypes({qbmInfo, qbmEnterMethod, qbmInfo, qbmInfo, qbmExitMethod});
  View.SetItemIndex(3);
  Commands.CurrentMethod();
  EXPECT_EQ(View.GetItemIndex(), 1);
  Commands.SelectAll();
  EXPECT_EQ(View.SelectedCount(), 5);
}

// The method commands need the methods interface and the others the view: without them nothing
// changes and the log stays as it was.
TEST_F(MessageCommandsTest, WithoutTheInterfaceACommandNeedsItDoesNothing) {
  AddTypes({qbmEnterMethod, qbmInfo, qbmExitMethod});
  View.SetItemIndex(0);
  TQBViewBinding viewOnly;
  viewOnly.View = &View;
  const std::function<void()> methodCommands[] = {
      [&] { Commands.MethodMatch(true); }, [&] { Commands.CurrentMethod(); }, [&] { Commands.ToggleMethod(); },
      [&] { Commands.CollapseAll(); },     [&] { Commands.ExpandAll(); },     [&] { Commands.ExpandToEnd(); },
  };
  for (const TQBViewBinding& binding : {TQBViewBinding{}, viewOnly}) {
    Current.Binding = binding;
    for (const auto& command : methodCommands) command();
    EXPECT_EQ(View.GetCount(), 3);
    EXPECT_EQ(View.GetItemIndex(), 0);
    EXPECT_EQ(SelectedRows(), std::set<int>{0});
  }
  Current.Binding = {};
  Commands.SelectAll();
  Commands.CopyMessageText();
  Commands.Delete();
  Commands.CropToSelection();
  EXPECT_EQ(View.GetCount(), 3);
  EXPECT_EQ(SelectedRows(), std::set<int>{0});
  EXPECT_EQ(Inspections, 0);
  EXPECT_FALSE(Log.Modified);
  // A view that cannot say which row it focuses may focus none after Delete: the panes are renewed.
  Current.Binding = viewOnly;
  Commands.Delete();
  EXPECT_EQ(View.GetCount(), 2);
  EXPECT_EQ(Inspections, 1);
  EXPECT_TRUE(Log.Modified);
}

}  // namespace
