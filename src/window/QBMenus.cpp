#include "window/QBMenus.h"

#include "window/QBCommandTable.h"
#include "window/QBToolStrip.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace {

using C = TQBCmd;
// A separator line (or a gap between toolbar groups) in the lists below.
constexpr C Sep = C::Count;
using TItems = std::vector<C>;

QMenu* NewMenu(QWidget* parent, const QString& title, const char* name) {
  auto* menu = new QMenu(title, parent);
  menu->setObjectName(QLatin1String(name));
  menu->setAccessibleName(QBPlainCaption(title));
  menu->setToolTipsVisible(true);
  return menu;
}

void AddItems(QMenu* menu, const TQBCommandTable& commands, const TItems& items) {
  for (C cmd : items) cmd == Sep ? (void)menu->addSeparator() : menu->addAction(commands[cmd]);
}

void AddButtons(TQBToolStrip& bar, const TQBCommandTable& commands, const TItems& items) {
  for (C cmd : items) cmd == Sep ? bar.AddSeparator() : (void)bar.AddAction(commands[cmd]);
}

QMenu* BookmarkMenu(QWidget* parent, const TQBCommandTable& commands, const QString& title, const char* name,
                    C (*cmdOf)(int)) {
  QMenu* menu = NewMenu(parent, title, name);
  for (int n = 0; n < 10; ++n) menu->addAction(commands[cmdOf(n)]);
  return menu;
}

void BuildFileAndEdit(QMenuBar* bar, const TQBCommandTable& commands, TQBMenus& menus) {
  QMenu* file = NewMenu(bar, QStringLiteral("&File"), "mnuFile");
  AddItems(file, commands, {C::Open, C::Append, C::MergeLogs, C::Save, C::Export});
  menus.RecentFiles = NewMenu(file, QStringLiteral("Recent &Files"), "mnuRecentFiles");
  file->addMenu(menus.RecentFiles);
  AddItems(file, commands, {Sep, C::NewProject, C::OpenProject, C::SaveProject, C::SaveProjectAs, C::CloseProject});
  menus.RecentProjects = NewMenu(file, QStringLiteral("Recent Pro&jects"), "mnuRecentProjects");
  file->addMenu(menus.RecentProjects);
  AddItems(file, commands, {Sep, C::Print, C::PrintInspectorContents, Sep, C::Exit});
  bar->addMenu(file);
  QMenu* edit = NewMenu(bar, QStringLiteral("&Edit"), "mnuEdit");
  AddItems(edit, commands, {C::EditMessage, C::CopyMessageText, C::CopyInspectorContents, Sep, C::AddNote,
                            C::AddCheckPoint, C::AddSeparator, C::AddResetSeparator, Sep, C::Delete,
                            C::CropToSelection, C::Clear, C::ClearAll, Sep, C::SelectAll});
  bar->addMenu(edit);
}

void BuildSearch(QMenuBar* bar, const TQBCommandTable& commands, TQBMenus& menus) {
  QMenu* search = NewMenu(bar, QStringLiteral("&Search"), "mnuSearch");
  AddItems(search, commands, {C::Find, C::FindNext, C::QuickFilter, C::JumpToMsg, C::GoToTime, Sep});
  menus.ToggleBookmarks =
      BookmarkMenu(search, commands, QStringLiteral("Toggle &Bookmarks"), "mnuToggleBookmarks", ToggleBookmarkCmd);
  menus.JumpToBookmarks =
      BookmarkMenu(search, commands, QStringLiteral("&Jump to Bookmarks"), "mnuJumpToBookmarks", JumpToBookmarkCmd);
  search->addMenu(menus.ToggleBookmarks);
  search->addMenu(menus.JumpToBookmarks);
  AddItems(search, commands, {C::ClearBookmarks, Sep, C::SyncMsgMode, Sep, C::SelectNavMsg, C::NavFirst,
                              C::NavPrevious, C::NavNext, C::NavLast});
  bar->addMenu(search);
}

void BuildView(QMenuBar* bar, const TQBCommandTable& commands, TQBMenus& menus) {
  QMenu* view = NewMenu(bar, QStringLiteral("&View"), "mnuView");
  AddItems(view, commands, {C::SelectColumns, C::HideExtraColumns});
  // The column commands have no menu entry of their own; the "Columns" submenu is the very menu the
  // view's header line opens, so both always offer the same commands.
  menus.MsgDetailsPopup = NewMenu(view, QStringLiteral("&Columns"), "mnuMsgDetailsPopup");
  AddItems(menus.MsgDetailsPopup, commands,
           {C::AllDetails, C::ViewMsgOnly, Sep, C::ViewCategory, C::ViewAppName, C::ViewComputerName,
            C::ViewProcessID, C::ViewThread, C::ViewDate, C::ViewLog, Sep, C::ViewTimeStamp, C::ViewTimeDiff,
            C::ViewTimeOffset});
  view->addMenu(menus.MsgDetailsPopup);
  AddItems(view, commands, {Sep, C::ViewDetailPanel, C::ViewOverviewBar, C::ViewTimeline, C::ViewInspector,
                            C::FullSizeInspector, C::InspectorOnBottom, Sep, C::ViewCallStack, Sep,
                            C::FlattenStructure, Sep, C::Refresh, C::FollowLogFile, C::AlwaysOnTop, C::WrapButtons});
  menus.Position = NewMenu(view, QStringLiteral("Position &Viewer"), "mnuPositionViewer");
  AddItems(menus.Position, commands, {C::PosUpperLeft, C::PosUpperRight, C::PosLowerRight, C::PosLowerLeft,
                                      C::PosLeft, C::PosTop, C::PosRight, C::PosBottom});
  view->addMenu(menus.Position);
  bar->addMenu(view);
}

void BuildOthers(QMenuBar* bar, const TQBCommandTable& commands) {
  QMenu* methods = NewMenu(bar, QStringLiteral("&Methods"), "mnuMethods");
  AddItems(methods, commands, {C::AutoCollapse, Sep, C::MethodMatch, C::CurrentMethod, Sep, C::ToggleMethod, Sep,
                               C::ExpandAll, C::ExpandToEnd, C::CollapseAll});
  bar->addMenu(methods);
  QMenu* organize = NewMenu(bar, QStringLiteral("&Organize"), "mnuOrganize");
  AddItems(organize, commands, {C::OrganizeMessages, C::AutoOrganize, C::AutoOrganizeSettings, Sep, C::ViewNew,
                                C::ViewModify, Sep, C::ViewRemove, C::ViewRemoveAll});
  bar->addMenu(organize);
  QMenu* tools = NewMenu(bar, QStringLiteral("&Tools"), "mnuTools");
  AddItems(tools, commands, {C::Options, Sep, C::PlugIns});
  bar->addMenu(tools);
  QMenu* help = NewMenu(bar, QStringLiteral("&Help"), "mnuHelp");
  AddItems(help, commands, {C::HelpProduct, C::HelpQuillbox, Sep, C::HelpAbout});
  bar->addMenu(help);
}

void FillMainToolBar(TQBToolStrip& bar, const TQBCommandTable& commands) {
  AddButtons(bar, commands, {C::Open, C::Append, C::Save, C::Print, Sep, C::NewProject, C::OpenProject,
                             C::SaveProject, Sep, C::ClearAll, Sep, C::ViewNew, C::ViewModify, C::ViewRemove, Sep,
                             C::OrganizeMessages, Sep, C::AutoOrganize, Sep, C::AutoOrganizeSettings, Sep,
                             C::SelectColumns, C::HideExtraColumns, Sep, C::ViewDetailPanel, Sep, C::ViewInspector,
                             Sep, C::ViewCallStack, Sep, C::AutoCollapse, Sep, C::FlattenStructure, Sep, C::Options,
                             Sep, C::FollowLogFile});
}

void FillViewToolBar(TQBToolStrip& bar, const TQBCommandTable& commands, TQBMenus& menus) {
  AddButtons(bar, commands, {C::AddNote, C::AddCheckPoint, C::AddSeparator, C::AddResetSeparator, Sep, C::Clear,
                             C::Delete, Sep, C::NavFirst, C::NavPrevious});
  // The navigation area gives the button its menu of kinds.
  menus.NavSelect = bar.AddMenuButton(nullptr, QStringLiteral("btnNavSelect"), QStringLiteral("Navigation Message"),
                                      QBCommandIcon("nav-select"));
  AddButtons(bar, commands, {C::NavNext, C::NavLast, Sep, C::MethodMatch, C::CurrentMethod, C::ToggleMethod, Sep,
                             C::Find, C::FindNext, Sep});
  bar.AddMenuButton(menus.ToggleBookmarks, QStringLiteral("btnToggleBookmarks"), QStringLiteral("Toggle Bookmarks"),
                    QBCommandIcon("bookmark-toggle"));
  bar.AddMenuButton(menus.JumpToBookmarks, QStringLiteral("btnJumpToBookmarks"), QStringLiteral("Jump to Bookmarks"),
                    QBCommandIcon("bookmark-jump"));
  AddButtons(bar, commands, {C::ClearBookmarks, Sep, C::SyncMsgMode});
}

void BuildContextMenus(QMainWindow& window, const TQBCommandTable& commands, TQBMenus& menus) {
  menus.MessageList = NewMenu(&window, QStringLiteral("Messages"), "mnuMessageList");
  AddItems(menus.MessageList, commands,
           {C::EditMessage, C::CopyMessageText, C::CopyInspectorContents, Sep, C::ViewNew, C::ViewModify,
            C::ViewRemove, Sep, C::ToggleMethod, C::ExpandAll, C::ExpandToEnd, C::CollapseAll, Sep});
  menus.MessageList->addMenu(menus.ToggleBookmarks);
  menus.MessageList->addMenu(menus.JumpToBookmarks);
  AddItems(menus.MessageList, commands, {C::ClearBookmarks, Sep, C::SelectColumns, Sep, C::Clear, C::Delete});

  menus.Views = NewMenu(&window, QStringLiteral("Views"), "mnuViews");
  menus.SwitchToView = NewMenu(menus.Views, QStringLiteral("&Switch to View"), "mnuSwitchToView");
  menus.Views->addMenu(menus.SwitchToView);
  AddItems(menus.Views, commands, {Sep, C::ViewNew, C::ViewModify, Sep, C::ViewRemove, C::ViewRemoveAll, Sep,
                                   C::ViewMoveLeft, C::ViewMoveRight});

  menus.System = NewMenu(&window, QStringLiteral("Window"), "mnuSystem");
  QAction* clearAll = menus.System->addAction(QStringLiteral("Clear All"));
  clearAll->setObjectName(QStringLiteral("mnuSysClearAll"));
  QObject::connect(clearAll, &QAction::triggered, commands[C::ClearAll], &QAction::trigger);
  QAction* separator = menus.System->addAction(QStringLiteral("Add Separator"));
  separator->setObjectName(QStringLiteral("mnuSysAddSeparator"));
  QObject::connect(separator, &QAction::triggered, commands[C::AddSeparator], &QAction::trigger);
  menus.System->addSeparator();
  // Follow the commands' enabled states, so the window menu never offers what the command refuses.
  QObject::connect(commands[C::ClearAll], &QAction::changed, clearAll,
                   [clearAll, cmd = commands[C::ClearAll]] { clearAll->setEnabled(cmd->isEnabled()); });
  QObject::connect(commands[C::AddSeparator], &QAction::changed, separator,
                   [separator, cmd = commands[C::AddSeparator]] { separator->setEnabled(cmd->isEnabled()); });
}

}  // namespace

TQBMenus BuildMenus(QMainWindow& window, const TQBCommandTable& commands, TQBToolStrip& mainToolBar,
                    TQBToolStrip& viewToolBar) {
  TQBMenus menus;
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  bar->setAccessibleName(QStringLiteral("Main menu"));
  BuildFileAndEdit(bar, commands, menus);
  BuildSearch(bar, commands, menus);
  BuildView(bar, commands, menus);
  BuildOthers(bar, commands);
  FillMainToolBar(mainToolBar, commands);
  FillViewToolBar(viewToolBar, commands, menus);
  BuildContextMenus(window, commands, menus);
  return menus;
}
