#include "window/QBCommandTable.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QKeySequence>

#include <stdexcept>

namespace {

using C = TQBCmd;

// clang-format off
constexpr std::array<TQBCommandInfo, QBCommandCount> kCommands{{
  {C::Open, "actOpen", "Open...", "Ctrl+O", "Open Log File", "open", false},
  {C::Append, "actAppend", "Append...", "", "Append Log File", "append", false},
  {C::MergeLogs, "actMergeLogs", "Merge Logs...", "", "Merge Log Files by Time", "", false},
  {C::Save, "actSave", "Save...", "Ctrl+S", "Save Messages to Log File", "save", false},
  {C::Export, "actExport", "Export...", "", "", "export", false},
  {C::NewProject, "actNewProject", "New Project", "", "Create New Project", "project-new", false},
  {C::OpenProject, "actOpenProject", "Open Project ...", "", "Open Project", "project-open", false},
  {C::SaveProject, "actSaveProject", "Save Project", "", "Save Project", "project-save", false},
  {C::SaveProjectAs, "actSaveProjectAs", "Save Project As ...", "", "Save Project As", "", false},
  {C::CloseProject, "actCloseProject", "Close Project", "", "", "", false},
  {C::Print, "actPrint", "Print...", "Ctrl+P", "Print Messages", "print", false},
  {C::PrintInspectorContents, "actPrintInspectorContents", "Print Inspector Contents...", "Ctrl+Shift+P",
   "Print Inspector Pane\rContents", "", false},
  {C::Exit, "actExit", "Exit", "Alt+F4", "Exit Quillbox", "exit", false},

  {C::EditMessage, "actEditMessage", "Edit Message", "F2", "Edit Message", "edit", false},
  {C::CopyMessageText, "actCopyMessageText", "Copy Selected Messages", "Ctrl+C",
   "Copy Selected Message Text to Clipboard", "copy", false},
  {C::CopyInspectorContents, "actCopyInspectorContents", "Copy Inspector Contents", "Ctrl+Shift+C",
   "Copy Inspector Pane Contents\rto Clipboard", "", false},
  {C::AddNote, "actAddNote", "Add Note", "", "Add Note", "add-note", false},
  {C::AddCheckPoint, "actAddCheckPoint", "Add CheckPoint", "", "Add CheckPoint", "add-checkpoint", false},
  {C::AddSeparator, "actAddSeparator", "Add Separator", "", "Add Separator", "add-separator", false},
  {C::AddResetSeparator, "actAddResetSeparator", "Add Reset Separator", "", "Add Reset Indent Level Separator",
   "add-reset-separator", false},
  {C::Delete, "actDelete", "Delete", "Delete", "Delete Selected Messages", "delete", false},
  {C::CropToSelection, "actCropToSelection", "Crop to Selection", "", "", "crop", false},
  {C::Clear, "actClear", "Clear", "Ctrl+Del", "Clear", "clear", false},
  {C::ClearAll, "actClearAll", "Clear All Views", "Ctrl+Shift+Del", "Clear All Views", "clear-all", false},
  {C::SelectAll, "actSelectAll", "Select All", "Ctrl+A", "Select All Messages", "", false},

  {C::Find, "actFind", "Find...", "Ctrl+F", "Find", "find", false},
  {C::FindNext, "actFindNext", "Find Next", "F3", "Find Next", "find-next", false},
  {C::JumpToMsg, "actJumpToMsg", "Jump to Message", "Ctrl+J", "Jump to Message", "jump", false},
  {C::GoToTime, "actGoToTime", "Go to Time...", "Ctrl+T", "Go to Time", "", false},
  {C::ToggleBookmark0, "actToggleBookmark0", "Toggle Bookmark &0", "Ctrl+Shift+0", "", "", true},
  {C::ToggleBookmark1, "actToggleBookmark1", "Toggle Bookmark &1", "Ctrl+Shift+1", "", "", true},
  {C::ToggleBookmark2, "actToggleBookmark2", "Toggle Bookmark &2", "Ctrl+Shift+2", "", "", true},
  {C::ToggleBookmark3, "actToggleBookmark3", "Toggle Bookmark &3", "Ctrl+Shift+3", "", "", true},
  {C::ToggleBookmark4, "actToggleBookmark4", "Toggle Bookmark &4", "Ctrl+Shift+4", "", "", true},
  {C::ToggleBookmark5, "actToggleBookmark5", "Toggle Bookmark &5", "Ctrl+Shift+5", "", "", true},
  {C::ToggleBookmark6, "actToggleBookmark6", "Toggle Bookmark &6", "Ctrl+Shift+6", "", "", true},
  {C::ToggleBookmark7, "actToggleBookmark7", "Toggle Bookmark &7", "Ctrl+Shift+7", "", "", true},
  {C::ToggleBookmark8, "actToggleBookmark8", "Toggle Bookmark &8", "Ctrl+Shift+8", "", "", true},
  {C::ToggleBookmark9, "actToggleBookmark9", "Toggle Bookmark &9", "Ctrl+Shift+9", "", "", true},
  {C::JumpToBookmark0, "actJumpToBookmark0", "Jump To Bookmark &0", "Ctrl+0", "", "", false},
  {C::JumpToBookmark1, "actJumpToBookmark1", "Jump To Bookmark &1", "Ctrl+1", "", "", false},
  {C::JumpToBookmark2, "actJumpToBookmark2", "Jump To Bookmark &2", "Ctrl+2", "", "", false},
  {C::JumpToBookmark3, "actJumpToBookmark3", "Jump To Bookmark &3", "Ctrl+3", "", "", false},
  {C::JumpToBookmark4, "actJumpToBookmark4", "Jump To Bookmark &4", "Ctrl+4", "", "", false},
  {C::JumpToBookmark5, "actJumpToBookmark5", "Jump To Bookmark &5", "Ctrl+5", "", "", false},
  {C::JumpToBookmark6, "actJumpToBookmark6", "Jump To Bookmark &6", "Ctrl+6", "", "", false},
  {C::JumpToBookmark7, "actJumpToBookmark7", "Jump To Bookmark &7", "Ctrl+7", "", "", false},
  {C::JumpToBookmark8, "actJumpToBookmark8", "Jump To Bookmark &8", "Ctrl+8", "", "", false},
  {C::JumpToBookmark9, "actJumpToBookmark9", "Jump To Bookmark &9", "Ctrl+9", "", "", false},
  {C::ClearBookmarks, "actClearBookmarks", "Clear Bookmarks", "", "Clear All Bookmarks", "bookmarks-clear", false},
  {C::SyncMsgMode, "actSyncMsgMode", "Synchronize Message Mode", "F9",
   "Synchronize selected message when changing views", "sync", true},
  {C::SelectNavMsg, "actSelectNavMsg", "Select Navigation Message...", "", "Select Navigation Message", "nav-select",
   false},
  {C::NavFirst, "actNavFirst", "First", "Ctrl+Alt+Home", "First Message", "nav-first", false},
  {C::NavPrevious, "actNavPrevious", "Previous", "Ctrl+Alt+Up", "Previous Message", "nav-previous", false},
  {C::NavNext, "actNavNext", "Next", "Ctrl+Alt+Down", "Next Message", "nav-next", false},
  {C::NavLast, "actNavLast", "Last", "Ctrl+Alt+End", "Last Message", "nav-last", false},

  {C::SelectColumns, "actSelectColumns", "Select Columns...", "Ctrl+F4", "Select Columns", "columns", false},
  {C::HideExtraColumns, "actHideExtraColumns", "Hide Extra Columns", "F4", "Hide Extra Columns", "columns-hide", true},
  {C::ViewDetailPanel, "actViewDetailPanel", "Message Detail Panel", "", "Show/Hide Message Detail Panel",
   "detail-panel", true},
  {C::ViewTimeline, "actViewTimeline", "Timeline", "Ctrl+Shift+T", "Show/Hide Timeline", "", true},
  {C::ViewInspector, "actViewInspector", "Inspector", "F11", "Show/Hide Inspector Pane", "inspector", true},
  {C::FullSizeInspector, "actFullSizeInspector", "Full Size Inspector", "Ctrl+F11",
   "Resize Inspector Pane to occupy\rthe full size of the Viewer", "", true},
  {C::InspectorOnBottom, "actInspectorOnBottom", "Inspector on Bottom", "Ctrl+Shift+F11",
   "Position Inspector Pane\rBelow Message List", "", true},
  {C::ViewCallStack, "actViewCallStack", "Call Stack", "Ctrl+F12", "Show/Hide Call Stack", "call-stack", true},
  {C::FlattenStructure, "actFlattenStructure", "Flatten Structure", "F7", "Hides indenting in message structure",
   "flatten", true},
  {C::Refresh, "actRefresh", "Refresh", "F5", "", "refresh", false},
  // Shift+F5: refreshing without end.
  {C::FollowLogFile, "actFollowLogFile", "Follow Log File", "Shift+F5",
   "Show Messages as They Are\rAppended to the Log File", "follow", true},
  {C::AlwaysOnTop, "actAlwaysOnTop", "Always on Top", "", "Always On Top", "", true},
  {C::PosUpperLeft, "actPosUpperLeft", "Upper Left", "", "", "", false},
  {C::PosUpperRight, "actPosUpperRight", "Upper Right", "", "", "", false},
  {C::PosLowerRight, "actPosLowerRight", "Lower Right", "", "", "", false},
  {C::PosLowerLeft, "actPosLowerLeft", "Lower Left", "", "", "", false},
  {C::PosLeft, "actPosLeft", "Left", "", "", "", false},
  {C::PosTop, "actPosTop", "Top", "", "", "", false},
  {C::PosRight, "actPosRight", "Right", "", "", "", false},
  {C::PosBottom, "actPosBottom", "Bottom", "", "", "", false},

  {C::AutoCollapse, "actAutoCollapse", "Auto-Collapse", "", "Automatically Collapse Empty \rEnter/Exit Method Pairs",
   "auto-collapse", true},
  {C::MethodMatch, "actMethodMatch", "Method Match", "Ctrl+PgUp", "Jump to Matching Method", "method-match", false},
  // Ctrl+Left goes to Previous View, the partner of Next View's Ctrl+Right.
  {C::CurrentMethod, "actCurrentMethod", "Current Method", "", "Jump to Current Method", "method-current", false},
  {C::ToggleMethod, "actToggleMethod", "Toggle Method", "Ctrl+Up", "Collapse or Expand the \rSelected Method",
   "method-collapse", false},
  {C::ExpandAll, "actExpandAll", "Expand All", "", "", "", false},
  {C::ExpandToEnd, "actExpandToEnd", "Expand To End", "", "Expand Methods Starting\rfrom the Current Position", "",
   false},
  {C::CollapseAll, "actCollapseAll", "Collapse All", "", "", "", false},

  {C::OrganizeMessages, "actOrganizeMessages", "Organize Messages...", "F8", "Organize Messages", "organize", false},
  {C::AutoOrganize, "actAutoOrganize", "Auto-Organize", "", "Automatically Organize Incoming Messages",
   "auto-organize", true},
  {C::AutoOrganizeSettings, "actAutoOrganizeSettings", "Auto-Organize Settings...", "", "AutoOrganize Settings",
   "auto-organize-settings", false},
  {C::ViewNew, "actViewNew", "New View...", "Ctrl+N", "Create New View", "view-new", false},
  {C::ViewModify, "actViewModify", "Modify View...", "Ctrl+M", "Modify View Criteria", "view-modify", false},
  {C::ViewRemove, "actViewRemove", "Remove View", "Ctrl+R", "Remove Current View", "view-remove", false},
  {C::ViewRemoveAll, "actViewRemoveAll", "Remove All Views", "Ctrl+Shift+R", "Remove All Views", "", false},

  {C::Options, "actOptions", "Options...", "", "Change Options", "options", false},
  {C::PlugIns, "actPlugIns", "Plug-Ins...", "", "Display Loaded PlugIns", "plugins", false},

  {C::HelpProduct, "actHelpProduct", "Quillbox Viewer Help", "F1", "", "help", false},
  {C::HelpQuillbox, "actHelpQuillbox", "Quillbox Help", "", "", "", false},
  {C::HelpAbout, "actHelpAbout", "About", "", "About Quillbox", "", false},

  {C::ViewPrior, "actViewPrior", "Previous View", "Ctrl+Left", "", "", false},
  {C::ViewNext, "actViewNext", "Next View", "Ctrl+Right", "", "", false},
  {C::ViewMoveLeft, "actViewMoveLeft", "Move Left", "Ctrl+Shift+Left", "", "", false},
  {C::ViewMoveRight, "actViewMoveRight", "Move Right", "Ctrl+Shift+Right", "", "", false},
  {C::WrapButtons, "actWrapButtons", "Wrap Buttons", "", "Wrap Toolbar Buttons", "", true},
  {C::AllDetails, "actAllDetails", "All Details", "", "Show All Details", "", false},
  {C::ViewMsgOnly, "actViewMsgOnly", "Message Only", "", "View Message Only", "", false},
  {C::ViewCategory, "actViewCategory", "Category", "", "Show/Hide Category", "", true},
  {C::ViewAppName, "actViewAppName", "Application Name", "", "Show/Hide Application Name", "", true},
  {C::ViewComputerName, "actViewComputerName", "Computer Name", "", "Show/Hide Computer Name", "", true},
  {C::ViewProcessID, "actViewProcessID", "Process ID", "", "Show/Hide Process ID", "", true},
  {C::ViewThread, "actViewThread", "Thread", "", "Show/Hide Thread", "", true},
  {C::ViewDate, "actViewDate", "Date", "", "Show/Hide Date", "", true},
  {C::ViewTimeStamp, "actViewTimeStamp", "Time Stamp", "", "Show Time Stamp", "", true},
  {C::ViewTimeDiff, "actViewTimeDiff", "Time Difference", "", "Show Time-Difference from previous message", "", true},
  {C::ViewTimeOffset, "actViewTimeOffset", "Time Offset", "", "Show Time-Offset from beginning of log", "", true},

  {C::ViewOverviewBar, "actViewOverviewBar", "Overview Bar", "", "Show/Hide the Overview Bar\rbeside the Message List",
   "", true},
  {C::QuickFilter, "actQuickFilter", "Quick Filter", "Ctrl+Shift+F", "Filter the View as You Type", "", false},

  {C::ViewLog, "actViewLog", "Log", "", "Show/Hide Log", "", true},

  {C::ViewScratchPad, "actViewScratchPad", "Scratch Pad", "", "", "", true},
  {C::BlockMessages, "actBlockMessages", "Block Messages", "", "", "", true},
  {C::AutoScroll, "actAutoScroll", "Auto-Scroll", "", "", "", true},
}};
// clang-format on

// The table is indexed by id: a row out of place would silently give a command another's texts.
constexpr bool RowsInOrder() {
  for (std::size_t i = 0; i < kCommands.size(); ++i)
    if (Index(kCommands[i].Id) != i) return false;
  return true;
}
static_assert(RowsInOrder(), "command table rows must follow TQBCmd order");

}  // namespace

const std::array<TQBCommandInfo, QBCommandCount>& QBCommandInfos() { return kCommands; }

const TQBCommandInfo& QBCommandInfo(TQBCmd cmd) { return kCommands[Index(cmd)]; }

QString QBHintText(const char* hint) { return QString::fromLatin1(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

QString QBPlainCaption(const QString& caption) {
  QString text = caption;
  text.remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text.trimmed();
}

QIcon QBCommandIcon(const char* icon) {
  if (!*icon) return {};
  return QIcon(QStringLiteral(":/icons/commands/%1.svg").arg(QLatin1String(icon)));
}

TQBCommandTable::TQBCommandTable(QObject* parent) : QObject(parent) {
  for (const TQBCommandInfo& info : kCommands) {
    auto* action = new QAction(QString::fromLatin1(info.Caption), this);
    action->setObjectName(QLatin1String(info.Name));
    if (*info.Shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(info.Shortcut)));
    const QString hint = QBHintText(info.Hint);
    // A command without a hint still gets a tool tip: the toolkit would show the caption with its
    // accelerator mark otherwise.
    action->setToolTip(hint.isEmpty() ? QBPlainCaption(action->text()) : hint);
    action->setStatusTip(QString(hint).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    action->setIcon(QBCommandIcon(info.Icon));
    action->setCheckable(info.Checkable);
    action->setEnabled(false);
    FActions[Index(info.Id)] = action;
  }
}
