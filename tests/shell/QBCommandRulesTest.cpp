// The enabling and ticking rules of UpdateCommands, as tables of window states. Commands are named by
// their ids here: their names live in the window's command table (QBCommandTableTest.cpp).

#include "shell/QBCommandRules.h"

#include <gtest/gtest.h>

namespace {

using C = TQBCmd;

// A view with rows of the given focused type, every interface offered.
TQBCommandInputs ViewWithFocus(int32_t type, int level = 0) {
  TQBCommandInputs in;
  in.HasView = in.List = in.Methods = in.Search = in.Print = in.Save = in.Export = true;
  in.Rows = 10;
  in.Selected = 1;
  in.Current = true;
  in.FocusedType = type;
  in.FocusedLevel = level;
  in.StoreCount = 10;
  return in;
}

TEST(CommandRules, EmptyStoreWithOnlyAllMessages) {
  TQBCommandInputs in;
  in.HasView = in.List = in.Methods = in.Search = in.Print = in.Save = in.Export = true;
  const TQBCommandStates s = ComputeCommandStates(in);
  for (C cmd : {C::Delete, C::CropToSelection, C::Clear, C::Save, C::Export, C::Print, C::Find, C::FindNext,
                C::JumpToMsg, C::SelectAll, C::OrganizeMessages, C::ViewRemove, C::ViewModify, C::ViewMoveLeft,
                C::ViewMoveRight, C::ViewRemoveAll, C::Refresh, C::SyncMsgMode, C::EditMessage, C::ClearBookmarks})
    EXPECT_FALSE(s.IsEnabled(cmd)) << "command " << int(cmd);
  for (C cmd : {C::Open, C::Append, C::ViewNew, C::Options})
    EXPECT_TRUE(s.IsEnabled(cmd)) << "command " << int(cmd);
  EXPECT_FALSE(s.TimeDiffEnabled);
}

TEST(CommandRules, FocusedRowDecidesMethodAndEditCommands) {
  struct TCase {
    int32_t Type;
    int Level;
    bool MethodMatch, Edit, CurrentMethod;
  } cases[] = {
      {9, 0, true, true, false},    // entry
      {10, 1, true, true, true},    // exit inside a method
      {0, 0, false, true, false},   // plain info
      {0, 2, false, true, true},    // nested info
      {11, 0, false, false, false}, // separator
      {12, 0, false, false, false}, // inactive separator
  };
  for (const TCase& c : cases) {
    const TQBCommandStates s = ComputeCommandStates(ViewWithFocus(c.Type, c.Level));
    SCOPED_TRACE(c.Type);
    EXPECT_EQ(s.IsEnabled(C::MethodMatch), c.MethodMatch);
    EXPECT_EQ(s.IsEnabled(C::ToggleMethod), c.MethodMatch);
    EXPECT_EQ(s.IsEnabled(C::EditMessage), c.Edit);
    EXPECT_EQ(s.IsEnabled(C::CurrentMethod), c.CurrentMethod);
  }
}

TEST(CommandRules, MethodCommandsNeedTheMethodsInterface) {
  TQBCommandInputs in = ViewWithFocus(9, 1);
  in.Methods = false;
  const TQBCommandStates s = ComputeCommandStates(in);
  for (C cmd : {C::MethodMatch, C::ToggleMethod, C::CurrentMethod, C::ExpandAll, C::ExpandToEnd, C::CollapseAll})
    EXPECT_FALSE(s.IsEnabled(cmd)) << "command " << int(cmd);
}

TEST(CommandRules, BookmarkThreeSet) {
  TQBCommandInputs in = ViewWithFocus(0);
  in.Bookmarks = 1u << 3;
  const TQBCommandStates s = ComputeCommandStates(in);
  EXPECT_TRUE(s.IsChecked(ToggleBookmarkCmd(3)));
  EXPECT_TRUE(s.IsEnabled(JumpToBookmarkCmd(3)));
  EXPECT_FALSE(s.IsEnabled(JumpToBookmarkCmd(4)));
  EXPECT_TRUE(s.IsEnabled(ToggleBookmarkCmd(4)));
  EXPECT_TRUE(s.IsEnabled(C::ClearBookmarks));
  in.Current = false;  // without a focused row no bookmark command is active
  const TQBCommandStates idle = ComputeCommandStates(in);
  EXPECT_FALSE(idle.IsEnabled(JumpToBookmarkCmd(3)));
  EXPECT_FALSE(idle.IsEnabled(C::ClearBookmarks));
}

TEST(CommandRules, SaveNeedsRowsSaveSupportAndModifiedLog) {
  struct TCase {
    int Rows;
    bool Save, Modified, Enabled;
  } cases[] = {{5, true, true, true}, {0, true, true, false}, {5, false, true, false}, {5, true, false, false}};
  for (const TCase& c : cases) {
    TQBCommandInputs in = ViewWithFocus(0);
    in.Rows = c.Rows, in.Save = c.Save, in.LogModified = c.Modified;
    EXPECT_EQ(ComputeCommandStates(in).IsEnabled(C::Save), c.Enabled) << c.Rows << c.Save << c.Modified;
  }
}

TEST(CommandRules, TabPositionDecidesViewCommands) {
  struct TCase {
    int Views, Tab;
    bool Focus, SyncOn;
    bool Remove, RemoveAll, Left, Right, Prior, Next, Sync;
  } cases[] = {
      {1, 0, true, false, false, false, false, false, false, false, false},
      {3, 0, true, false, false, true, false, false, false, true, true},
      {3, 1, true, false, true, true, false, true, true, true, true},
      {3, 2, true, false, true, true, true, false, true, false, true},
      {4, 2, true, false, true, true, true, true, true, true, true},
      // Synchronizing needs a focused message to take, but can always be switched off.
      {3, 1, false, false, true, true, false, true, true, true, false},
      {3, 1, false, true, true, true, false, true, true, true, true},
      {1, 0, false, true, false, false, false, false, false, false, false},
  };
  for (const TCase& c : cases) {
    TQBCommandInputs in = ViewWithFocus(0);
    in.ViewCount = c.Views, in.CurrentTab = c.Tab, in.Current = c.Focus, in.SyncMode = c.SyncOn;
    const TQBCommandStates s = ComputeCommandStates(in);
    SCOPED_TRACE(testing::Message() << c.Views << " views, tab " << c.Tab << ", focus " << c.Focus << ", sync "
                                    << c.SyncOn);
    EXPECT_TRUE(s.IsEnabled(C::ViewNew));
    EXPECT_EQ(s.IsEnabled(C::ViewRemove), c.Remove);
    EXPECT_EQ(s.IsEnabled(C::ViewModify), c.Remove);
    EXPECT_EQ(s.IsEnabled(C::ViewRemoveAll), c.RemoveAll);
    EXPECT_EQ(s.IsEnabled(C::ViewMoveLeft), c.Left);
    EXPECT_EQ(s.IsEnabled(C::ViewMoveRight), c.Right);
    EXPECT_EQ(s.IsEnabled(C::ViewPrior), c.Prior);
    EXPECT_EQ(s.IsEnabled(C::ViewNext), c.Next);
    EXPECT_EQ(s.IsEnabled(C::SyncMsgMode), c.Sync);
    EXPECT_EQ(s.IsChecked(C::SyncMsgMode), c.SyncOn);
  }
}

TEST(CommandRules, FullSizeInspectorLocksTheOtherPaneCommands) {
  TQBCommandInputs in;
  in.InspectorShown = true;
  in.FullSizeInspector = true;
  const TQBCommandStates s = ComputeCommandStates(in);
  EXPECT_TRUE(s.IsEnabled(C::FullSizeInspector));
  EXPECT_TRUE(s.IsChecked(C::FullSizeInspector));
  for (C cmd : {C::ViewInspector, C::InspectorOnBottom, C::ViewCallStack}) EXPECT_FALSE(s.IsEnabled(cmd));
  in.InspectorShown = in.FullSizeInspector = false;
  EXPECT_FALSE(ComputeCommandStates(in).IsEnabled(C::FullSizeInspector));
}

TEST(CommandRules, ColumnTicksAndHideExtraColumns) {
  TQBCommandInputs in;
  EXPECT_FALSE(ComputeCommandStates(in).IsEnabled(C::HideExtraColumns));
  in.Columns = 1 | 128;  // Category, Time Difference
  const TQBCommandStates s = ComputeCommandStates(in);
  EXPECT_TRUE(s.IsEnabled(C::HideExtraColumns));
  EXPECT_TRUE(s.IsChecked(C::ViewCategory));
  EXPECT_TRUE(s.IsChecked(C::ViewTimeDiff));
  EXPECT_FALSE(s.IsChecked(C::ViewTimeStamp));
}

}  // namespace
