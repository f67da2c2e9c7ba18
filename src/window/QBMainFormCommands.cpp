// TFrmViewer: every command wired to the area that does its work, and UpdateCommands, which asks every
// area for its part of the command-state record, lets the rules decide and renews the actions, the
// status panes and the title.

#include "window/QBMainForm.h"

#include "inspectors/QBInspectorPane.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "shell/QBHelpCommands.h"
#include "shell/QBLayoutCommands.h"
#include "shell/QBLogFollower.h"
#include "shell/QBMessageCommands.h"
#include "shell/QBSearchCommands.h"
#include "shell/QBStatusTexts.h"
#include "window/areas/QBEditWindow.h"
#include "window/areas/QBLogWindow.h"
#include "window/areas/QBNavigationWindow.h"
#include "window/areas/QBOrganizerWindow.h"
#include "window/areas/QBOverviewArea.h"
#include "window/areas/QBQuickFilterArea.h"
#include "window/areas/QBProjectWindow.h"
#include "window/areas/QBOptionsWindow.h"
#include "window/areas/QBPrintWindow.h"
#include "window/QBStatusPanes.h"
#include "window/areas/QBViewArea.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QGuiApplication>

void TFrmViewer::Handle(TQBCmd cmd, std::function<void()> handler) {
  // Only commands with a handler are ever enabled: a command whose work is not built stays grey.
  FHandled[Index(cmd)] = true;
  // Every command ends with the command states renewed, also when its work fails.
  connect(Action(cmd), &QAction::triggered, this, [this, handler = std::move(handler)] {
    ++FCommandsRunning;
    try {
      handler();
    } catch (...) {
      --FCommandsRunning;
      UpdateCommands();
      throw;
    }
    --FCommandsRunning;
    UpdateCommands();
  });
}

namespace {

// Connects a command to its handler (TFrmViewer::Handle).
using THandle = std::function<void(TQBCmd, std::function<void()>)>;

void ConnectLogCommands(const THandle& handle, TQBLogWindow& log, TQBLogFollower& follower) {
  handle(TQBCmd::Open, [&log] { log.Open(); });
  handle(TQBCmd::Append, [&log] { log.Append(); });
  handle(TQBCmd::MergeLogs, [&log] { log.MergeLogs(); });
  handle(TQBCmd::Save, [&log] { log.Save(); });
  handle(TQBCmd::Export, [&log] { log.Export(); });
  handle(TQBCmd::Refresh, [&log] { log.Loads().Refresh(); });
  handle(TQBCmd::FollowLogFile, [&follower] { follower.SetOn(!follower.IsOn()); });
}

void ConnectViewCommands(const THandle& handle, TQBViewManager& views, TQBViewCommands& commands,
                         TQBOrganizerCommands& organizer) {
  handle(TQBCmd::ViewPrior, [&views] { views.SelectPrevious(); });
  handle(TQBCmd::ViewNext, [&views] { views.SelectNext(); });
  handle(TQBCmd::ViewNew, [&commands] { commands.NewView(); });
  handle(TQBCmd::ViewModify, [&commands] { commands.ModifyView(); });
  handle(TQBCmd::ViewRemove, [&commands] { commands.RemoveView(); });
  handle(TQBCmd::ViewRemoveAll, [&commands] { commands.RemoveAllViews(); });
  handle(TQBCmd::ViewMoveLeft, [&commands] { commands.MoveLeft(); });
  handle(TQBCmd::ViewMoveRight, [&commands] { commands.MoveRight(); });
  handle(TQBCmd::SyncMsgMode, [&commands] { commands.ToggleSyncMode(); });
  handle(TQBCmd::OrganizeMessages, [&organizer] { organizer.OrganizeMessages(); });
  handle(TQBCmd::AutoOrganize, [&organizer] { organizer.ToggleAutoOrganize(); });
  handle(TQBCmd::AutoOrganizeSettings, [&organizer] { organizer.AutoOrganizeSettings(); });
}

void ConnectProjectCommands(const THandle& handle, TQBProjectCommands& project) {
  handle(TQBCmd::NewProject, [&project] { project.CloseProject(); });
  handle(TQBCmd::OpenProject, [&project] { project.OpenProject(); });
  handle(TQBCmd::SaveProject, [&project] { project.SaveProject(); });
  handle(TQBCmd::SaveProjectAs, [&project] { project.SaveProjectAs(); });
  handle(TQBCmd::CloseProject, [&project] { project.CloseProject(); });
}

void ConnectLayoutCommands(const THandle& handle, TQBLayoutCommands& layout, TQBHelpCommands& help) {
  handle(TQBCmd::ViewInspector, [&layout] { layout.ToggleInspector(); });
  handle(TQBCmd::FullSizeInspector, [&layout] { layout.ToggleFullSizeInspector(); });
  handle(TQBCmd::InspectorOnBottom, [&layout] { layout.ToggleInspectorOnBottom(); });
  handle(TQBCmd::ViewCallStack, [&layout] { layout.ToggleCallStack(); });
  handle(TQBCmd::ViewDetailPanel, [&layout] { layout.ToggleDetailPanel(); });
  handle(TQBCmd::ViewTimeline, [&layout] { layout.ToggleTimeline(); });
  handle(TQBCmd::WrapButtons, [&layout] { layout.ToggleWrapButtons(); });
  handle(TQBCmd::AlwaysOnTop, [&layout] { layout.ToggleAlwaysOnTop(); });
  for (TQBCmd cmd : {TQBCmd::AllDetails, TQBCmd::ViewMsgOnly, TQBCmd::ViewCategory, TQBCmd::ViewAppName,
                     TQBCmd::ViewComputerName, TQBCmd::ViewProcessID, TQBCmd::ViewThread, TQBCmd::ViewDate,
                     TQBCmd::ViewTimeStamp, TQBCmd::ViewTimeDiff, TQBCmd::ViewTimeOffset, TQBCmd::ViewLog})
    handle(cmd, [&layout, cmd] { layout.ColumnCommand(cmd); });
  handle(TQBCmd::HideExtraColumns, [&layout] { layout.ToggleHideExtraColumns(); });
  handle(TQBCmd::AutoCollapse, [&layout] { layout.ToggleAutoCollapse(); });
  handle(TQBCmd::FlattenStructure, [&layout] { layout.ToggleFlatten(); });
  for (TQBCmd cmd : {TQBCmd::PosUpperLeft, TQBCmd::PosUpperRight, TQBCmd::PosLowerRight, TQBCmd::PosLowerLeft,
                     TQBCmd::PosLeft, TQBCmd::PosTop, TQBCmd::PosRight, TQBCmd::PosBottom})
    handle(cmd, [&layout, cmd] { layout.Position(cmd); });
  handle(TQBCmd::HelpProduct, [&help] { help.ShowTopic(QStringLiteral("Viewer")); });
  handle(TQBCmd::HelpQuillbox, [&help] { help.ShowTopic(QStringLiteral("QuillboxLoggingSystem")); });
}

void ConnectMessageCommands(const THandle& handle, TQBMessageCommands& messages, TQBSearchCommands& search) {
  handle(TQBCmd::Delete, [&messages] { messages.Delete(); });
  handle(TQBCmd::CropToSelection, [&messages] { messages.CropToSelection(); });
  handle(TQBCmd::SelectAll, [&messages] { messages.SelectAll(); });
  handle(TQBCmd::CopyMessageText, [&messages] { messages.CopyMessageText(); });
  handle(TQBCmd::MethodMatch, [&messages] {
    messages.MethodMatch(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
  });
  handle(TQBCmd::CurrentMethod, [&messages] { messages.CurrentMethod(); });
  handle(TQBCmd::ToggleMethod, [&messages] { messages.ToggleMethod(); });
  handle(TQBCmd::ExpandAll, [&messages] { messages.ExpandAll(); });
  handle(TQBCmd::ExpandToEnd, [&messages] { messages.ExpandToEnd(); });
  handle(TQBCmd::CollapseAll, [&messages] { messages.CollapseAll(); });

  handle(TQBCmd::Find, [&search] { search.Find(); });
  handle(TQBCmd::FindNext, [&search] { search.FindNext(); });
  handle(TQBCmd::JumpToMsg, [&search] { search.JumpToMessage(); });
  handle(TQBCmd::GoToTime, [&search] { search.GoToTime(); });
  for (int n = 0; n < 10; ++n) {
    handle(ToggleBookmarkCmd(n), [&search, n] { search.ToggleBookmark(n); });
    handle(JumpToBookmarkCmd(n), [&search, n] { search.JumpToBookmark(n); });
  }
}

void ConnectEditCommands(const THandle& handle, TQBEditCommands& edit) {
  handle(TQBCmd::AddNote, [&edit] { edit.AddNote(); });
  handle(TQBCmd::AddCheckPoint, [&edit] { edit.AddCheckPoint(); });
  handle(TQBCmd::AddSeparator, [&edit] { edit.AddSeparator(); });
  handle(TQBCmd::AddResetSeparator, [&edit] { edit.AddResetSeparator(); });
  handle(TQBCmd::EditMessage, [&edit] { edit.EditMessage(); });
  handle(TQBCmd::Clear, [&edit] { edit.Clear(false); });
  handle(TQBCmd::ClearAll, [&edit] { edit.Clear(true); });
  handle(TQBCmd::ClearBookmarks, [&edit] { edit.ClearBookmarks(); });
}

void ConnectNavigationCommands(const THandle& handle, TQBNavigator& navigator) {
  handle(TQBCmd::SelectNavMsg, [&navigator] { navigator.SelectNavMessage(); });
  const std::pair<TQBCmd, TQBNavDirection> steps[] = {{TQBCmd::NavFirst, TQBNavDirection::First},
                                                      {TQBCmd::NavPrevious, TQBNavDirection::Previous},
                                                      {TQBCmd::NavNext, TQBNavDirection::Next},
                                                      {TQBCmd::NavLast, TQBNavDirection::Last}};
  for (const auto& [cmd, direction] : steps) handle(cmd, [&navigator, direction] { navigator.Navigate(direction); });
}

}  // namespace

void TFrmViewer::ConnectCommands() {
  const THandle handle = [this](TQBCmd cmd, std::function<void()> handler) { Handle(cmd, std::move(handler)); };
  ConnectLogCommands(handle, *FLogArea, *FFollower);
  ConnectViewCommands(handle, *FViews, FViewArea->Commands(), FOrganizer->Commands());
  ConnectLayoutCommands(handle, *FLayoutCommands, *FHelp);
  ConnectMessageCommands(handle, *FMessageCommands, *FSearch);
  connect(FStatus, &TQBStatusPanes::MessageNumberClicked, this, [this] {
    if (Action(TQBCmd::JumpToMsg)->isEnabled()) Action(TQBCmd::JumpToMsg)->trigger();
  });
  Handle(TQBCmd::CopyInspectorContents, [this] { FPane->CopyInspectorContents(); });
  Handle(TQBCmd::PrintInspectorContents, [this] { FPane->PrintInspectorContents(); });
  ConnectEditCommands(handle, FEdit->Commands());
  ConnectNavigationCommands(handle, FNavigation->Navigator());
  ConnectProjectCommands(handle, FProject->Commands());
  Handle(TQBCmd::Print, [this] { FPrintArea->Print(); });
  Handle(TQBCmd::ViewOverviewBar, [this] { FOverview->Toggle(); });
  Handle(TQBCmd::QuickFilter, [this] { FQuickFilter->Focus(); });
  TQBOptionsWindow& options = *FOptionsArea;
  Handle(TQBCmd::Options, [&options] { options.Options(); });
  Handle(TQBCmd::SelectColumns, [&options] { options.SelectColumns(); });
  Handle(TQBCmd::HelpAbout, [this] { FDialogs.About->ShowAbout(this); });
  Handle(TQBCmd::Exit, [this] { close(); });
  Handle(TQBCmd::PlugIns, [] {
    if (PlugInManager) PlugInManager->ShowPlugInsDialog();
  });
}

void TFrmViewer::ApplyNavEnabling() {
  const TQBNavEnabling& e = FNavigation->Navigator().Enabling();
  const std::pair<TQBCmd, bool> states[] = {
      {TQBCmd::NavFirst, e.First}, {TQBCmd::NavPrevious, e.Previous}, {TQBCmd::NavNext, e.Next}, {TQBCmd::NavLast, e.Last}};
  for (const auto& [cmd, on] : states) {
    FStates.Enabled[Index(cmd)] = on;
    Action(cmd)->setEnabled(on && FHandled[Index(cmd)]);
  }
}

void TFrmViewer::UpdateCommands() {
  if (FLog.Loading || !FViews) return;
  // Gathered once: counting the selection walks the whole view.
  TQBCommandInputs inputs;
  for (const IQBCommandInputSource* source : FInputSources) source->GatherInputs(inputs);
  FStates = ComputeCommandStates(inputs);
  ApplyCommandStates(FStates);
  UpdateStatusPanes(inputs);
  // The accessible name announces a change to screen readers: set it only when the title changes.
  const QString title = FLog.Title();
  if (title != windowTitle()) {
    setWindowTitle(title);
    setAccessibleName(title);
  }
}

void TFrmViewer::ApplyCommandStates(const TQBCommandStates& states) {
  for (std::size_t i = 0; i < QBCommandCount; ++i) {
    QAction* action = FCommands->Actions()[i];
    action->setEnabled(states.Enabled[i] && FHandled[i]);
    if (action->isCheckable()) action->setChecked(states.Checked[i]);
  }
  QAction* toggle = Action(TQBCmd::ToggleMethod);
  toggle->setText(states.ToggleExpands ? QStringLiteral("&Expand Method") : QStringLiteral("&Collapse Method"));
  toggle->setToolTip(states.ToggleExpands ? QStringLiteral("Expand Selected Method")
                                          : QStringLiteral("Collapse Selected Method"));
  toggle->setIcon(QBCommandIcon(states.ToggleExpands ? "method-expand" : "method-collapse"));
}

void TFrmViewer::UpdateStatusPanes(const TQBCommandInputs& in) {
  const qbstatus::TQBPaneTexts texts = qbstatus::PaneTexts(FViews->Current(), in, MessageSet);
  FStatus->SetMessageNumber(texts.MessageNumber);
  FStatus->SetMessageCount(texts.MessageCount);
  FStatus->SetSelectionCount(texts.SelectionCount);
  FStatus->SetTimeDiff(texts.TimeDiff, texts.TimeDiffEnabled);
}
