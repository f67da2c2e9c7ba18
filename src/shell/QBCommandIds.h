#pragma once
// The ids of the main window's commands. Every menu item, toolbar button and shortcut is one of these;
// QBCommandTable.cpp holds each one's name, caption, shortcut, hint and icon.

#include <cstddef>

enum class TQBCmd : int {
  // File
  Open, Append, MergeLogs, Save, Export, NewProject, OpenProject, SaveProject, SaveProjectAs, CloseProject, Print,
  PrintInspectorContents, Exit,
  // Edit
  EditMessage, CopyMessageText, CopyInspectorContents, AddNote, AddCheckPoint, AddSeparator,
  AddResetSeparator, Delete, CropToSelection, Clear, ClearAll, SelectAll,
  // Search
  Find, FindNext, JumpToMsg, GoToTime,
  ToggleBookmark0, ToggleBookmark1, ToggleBookmark2, ToggleBookmark3, ToggleBookmark4,
  ToggleBookmark5, ToggleBookmark6, ToggleBookmark7, ToggleBookmark8, ToggleBookmark9,
  JumpToBookmark0, JumpToBookmark1, JumpToBookmark2, JumpToBookmark3, JumpToBookmark4,
  JumpToBookmark5, JumpToBookmark6, JumpToBookmark7, JumpToBookmark8, JumpToBookmark9,
  ClearBookmarks, SyncMsgMode, SelectNavMsg, NavFirst, NavPrevious, NavNext, NavLast,
  // View
  SelectColumns, HideExtraColumns, ViewDetailPanel, ViewTimeline, ViewInspector, FullSizeInspector, InspectorOnBottom,
  ViewCallStack, FlattenStructure, Refresh, FollowLogFile, AlwaysOnTop,
  PosUpperLeft, PosUpperRight, PosLowerRight, PosLowerLeft, PosLeft, PosTop, PosRight, PosBottom,
  // Methods
  AutoCollapse, MethodMatch, CurrentMethod, ToggleMethod, ExpandAll, ExpandToEnd, CollapseAll,
  // Organize
  OrganizeMessages, AutoOrganize, AutoOrganizeSettings, ViewNew, ViewModify, ViewRemove, ViewRemoveAll,
  // Tools
  Options, PlugIns,
  // Help
  HelpProduct, HelpQuillbox, HelpAbout,
  // Without a main menu entry
  ViewPrior, ViewNext, ViewMoveLeft, ViewMoveRight, WrapButtons,
  AllDetails, ViewMsgOnly, ViewCategory, ViewAppName, ViewComputerName, ViewProcessID, ViewThread,
  ViewDate, ViewTimeStamp, ViewTimeDiff, ViewTimeOffset,
  // The overview bar and the quick filter
  ViewOverviewBar, QuickFilter,
  // The column of merged logs
  ViewLog,
  // Kept for stored layouts of a live receiver; always hidden in this program
  ViewScratchPad, BlockMessages, AutoScroll,
  Count
};

inline constexpr std::size_t QBCommandCount = static_cast<std::size_t>(TQBCmd::Count);

constexpr std::size_t Index(TQBCmd cmd) { return static_cast<std::size_t>(cmd); }
constexpr TQBCmd ToggleBookmarkCmd(int n) { return TQBCmd(int(TQBCmd::ToggleBookmark0) + n); }
constexpr TQBCmd JumpToBookmarkCmd(int n) { return TQBCmd(int(TQBCmd::JumpToBookmark0) + n); }
