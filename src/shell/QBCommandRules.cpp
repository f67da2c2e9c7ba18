#include "shell/QBCommandRules.h"

#include "model/QBMessageTypes.h"
#include "settings/QBSettings.h"

namespace {

class TRuleSink {
public:
  explicit TRuleSink(TQBCommandStates& states) : FStates(states) {}
  void Enable(TQBCmd cmd, bool on) { FStates.Enabled[Index(cmd)] = on; }
  void Check(TQBCmd cmd, bool on) { FStates.Checked[Index(cmd)] = on; }

private:
  TQBCommandStates& FStates;
};

// Commands that need no state: file opening, dialogs of their own and the window layout.
void AlwaysEnabled(TRuleSink& s) {
  for (TQBCmd cmd : {TQBCmd::Open, TQBCmd::Append, TQBCmd::MergeLogs, TQBCmd::NewProject, TQBCmd::OpenProject, TQBCmd::CloseProject,
                     TQBCmd::Exit, TQBCmd::AddNote, TQBCmd::AddCheckPoint, TQBCmd::AddSeparator,
                     TQBCmd::AddResetSeparator, TQBCmd::ClearAll, TQBCmd::SelectNavMsg, TQBCmd::SelectColumns,
                     TQBCmd::ViewDetailPanel, TQBCmd::ViewTimeline, TQBCmd::AlwaysOnTop, TQBCmd::PosUpperLeft,
                     TQBCmd::PosUpperRight,
                     TQBCmd::PosLowerRight, TQBCmd::PosLowerLeft, TQBCmd::PosLeft, TQBCmd::PosTop, TQBCmd::PosRight,
                     TQBCmd::PosBottom, TQBCmd::AutoOrganize, TQBCmd::AutoOrganizeSettings, TQBCmd::ViewNew,
                     TQBCmd::Options, TQBCmd::PlugIns, TQBCmd::HelpProduct, TQBCmd::HelpQuillbox,
                     TQBCmd::HelpAbout, TQBCmd::WrapButtons, TQBCmd::AllDetails, TQBCmd::ViewMsgOnly,
                     TQBCmd::ViewCategory, TQBCmd::ViewAppName, TQBCmd::ViewComputerName, TQBCmd::ViewProcessID,
                     TQBCmd::ViewThread, TQBCmd::ViewDate, TQBCmd::ViewTimeStamp, TQBCmd::ViewTimeDiff,
                     TQBCmd::ViewTimeOffset, TQBCmd::ViewLog})
    s.Enable(cmd, true);
}

void FileAndEditRules(const TQBCommandInputs& in, TRuleSink& s) {
  const bool rows = in.Rows > 0;
  const bool selection = in.Selected > 0 && rows;
  s.Enable(TQBCmd::Delete, selection);
  s.Enable(TQBCmd::CropToSelection, selection);
  s.Enable(TQBCmd::Clear, rows);
  s.Enable(TQBCmd::SaveProject, in.ProjectModified && in.ViewCount > 1);
  s.Enable(TQBCmd::SaveProjectAs, in.ViewCount > 1);
  s.Enable(TQBCmd::Save, rows && in.Save && in.LogModified);
  s.Enable(TQBCmd::Export, in.Export && rows);
  s.Enable(TQBCmd::Print, in.Print && rows);
  s.Enable(TQBCmd::SelectAll, in.List && rows);
  s.Enable(TQBCmd::CopyMessageText, in.Selected > 0);
  s.Enable(TQBCmd::CopyInspectorContents, in.Current && in.InspectorCanCopy);
  s.Enable(TQBCmd::PrintInspectorContents, in.Current && in.InspectorCanPrint);
  s.Enable(TQBCmd::EditMessage, in.Current && rows && in.FocusedType != qbmSeparator &&
                                    in.FocusedType != qbmInactiveSeparator);
  s.Enable(TQBCmd::Refresh, in.HasCurrentFile);
  // A mode rather than an action on a file: it can be chosen before the file is opened.
  s.Enable(TQBCmd::FollowLogFile, true);
  s.Check(TQBCmd::FollowLogFile, in.FollowLogFile);
}

void SearchRules(const TQBCommandInputs& in, TRuleSink& s) {
  const bool rows = in.Rows > 0;
  s.Enable(TQBCmd::Find, in.Search && rows);
  s.Enable(TQBCmd::FindNext, in.Search && rows);
  s.Enable(TQBCmd::JumpToMsg, in.Search && rows && in.List);
  s.Enable(TQBCmd::GoToTime, in.Time && rows);
  const bool active = in.Current && rows && in.List;
  s.Enable(TQBCmd::ClearBookmarks, active && (in.Bookmarks & 0x3FF) != 0);
  for (int n = 0; n < 10; ++n) {
    const bool set = active && (in.Bookmarks & (1u << n)) != 0;
    s.Enable(ToggleBookmarkCmd(n), active);
    s.Check(ToggleBookmarkCmd(n), set);
    s.Enable(JumpToBookmarkCmd(n), set);
  }
  s.Enable(TQBCmd::SyncMsgMode, (in.Current || in.SyncMode) && in.ViewCount > 1);
  s.Enable(TQBCmd::NavFirst, in.NavFirst);
  s.Enable(TQBCmd::NavPrevious, in.NavPrevious);
  s.Enable(TQBCmd::NavNext, in.NavNext);
  s.Enable(TQBCmd::NavLast, in.NavLast);
  s.Check(TQBCmd::SyncMsgMode, in.SyncMode);
}

void MethodRules(const TQBCommandInputs& in, TRuleSink& s) {
  const bool methods = in.Current && in.Rows > 0 && in.Methods;
  s.Enable(TQBCmd::CurrentMethod, methods && in.List && in.FocusedLevel > 0);
  s.Enable(TQBCmd::ExpandAll, methods);
  s.Enable(TQBCmd::ExpandToEnd, methods);
  s.Enable(TQBCmd::CollapseAll, methods);
  const bool onMethod = methods && (in.FocusedType == qbmEnterMethod || in.FocusedType == qbmExitMethod);
  s.Enable(TQBCmd::MethodMatch, onMethod);
  s.Enable(TQBCmd::ToggleMethod, onMethod);
  s.Enable(TQBCmd::AutoCollapse, in.HasView);
  s.Check(TQBCmd::AutoCollapse, in.AutoCollapse);
  s.Enable(TQBCmd::FlattenStructure, in.HasView);
  s.Check(TQBCmd::FlattenStructure, in.Flatten);
}

void LayoutRules(const TQBCommandInputs& in, TRuleSink& s) {
  s.Enable(TQBCmd::ViewInspector, !in.FullSizeInspector);
  s.Check(TQBCmd::ViewInspector, in.InspectorShown);
  s.Enable(TQBCmd::FullSizeInspector, in.InspectorShown);
  s.Check(TQBCmd::FullSizeInspector, in.FullSizeInspector);
  s.Enable(TQBCmd::InspectorOnBottom, !in.FullSizeInspector);
  s.Check(TQBCmd::InspectorOnBottom, in.InspectorOnBottom);
  s.Enable(TQBCmd::ViewCallStack, !in.FullSizeInspector);
  s.Check(TQBCmd::ViewCallStack, in.CallStackShown);
  s.Check(TQBCmd::ViewDetailPanel, in.DetailPanel);
  s.Enable(TQBCmd::ViewOverviewBar, true);
  s.Check(TQBCmd::ViewOverviewBar, in.OverviewBar);
  s.Enable(TQBCmd::QuickFilter, in.List);
  s.Check(TQBCmd::ViewTimeline, in.Timeline);
  s.Check(TQBCmd::WrapButtons, in.WrapButtons);
  s.Check(TQBCmd::AlwaysOnTop, in.AlwaysOnTop);
  s.Check(TQBCmd::AutoOrganize, in.AutoOrganize);
}

void ColumnRules(const TQBCommandInputs& in, TRuleSink& s) {
  s.Enable(TQBCmd::HideExtraColumns, (in.Columns & colAllColumns) != 0);
  s.Check(TQBCmd::HideExtraColumns, in.HideExtraColumns);
  const std::pair<TQBCmd, uint16_t> columns[] = {
      {TQBCmd::ViewCategory, colCategory}, {TQBCmd::ViewAppName, colAppName},
      {TQBCmd::ViewComputerName, colComputerName}, {TQBCmd::ViewProcessID, colProcessID},
      {TQBCmd::ViewThread, colThreadName}, {TQBCmd::ViewDate, colDate},
      {TQBCmd::ViewTimeStamp, colTimeStamp}, {TQBCmd::ViewTimeDiff, colTimeDiff},
      {TQBCmd::ViewTimeOffset, colTimeOffset}, {TQBCmd::ViewLog, colLog}};
  for (const auto& [cmd, flag] : columns) s.Check(cmd, (in.Columns & flag) != 0);
}

void ViewListRules(const TQBCommandInputs& in, TRuleSink& s) {
  const bool notFirst = in.CurrentTab > 0;
  s.Enable(TQBCmd::ViewRemove, notFirst);
  s.Enable(TQBCmd::ViewModify, notFirst);
  s.Enable(TQBCmd::ViewRemoveAll, in.ViewCount > 1);
  s.Enable(TQBCmd::OrganizeMessages, in.StoreCount > 0);
  s.Enable(TQBCmd::ViewMoveLeft, in.CurrentTab > 1);
  s.Enable(TQBCmd::ViewMoveRight, notFirst && in.CurrentTab < in.ViewCount - 1);
  s.Enable(TQBCmd::ViewPrior, in.CurrentTab > 0);
  s.Enable(TQBCmd::ViewNext, in.CurrentTab < in.ViewCount - 1);
}

}  // namespace

TQBCommandStates ComputeCommandStates(const TQBCommandInputs& in) {
  TQBCommandStates states;
  TRuleSink sink(states);
  AlwaysEnabled(sink);
  FileAndEditRules(in, sink);
  SearchRules(in, sink);
  MethodRules(in, sink);
  LayoutRules(in, sink);
  ColumnRules(in, sink);
  ViewListRules(in, sink);
  states.ToggleExpands = in.Current && in.FocusedCollapsed;
  states.TimeDiffEnabled = in.Selected >= 1;
  return states;
}
