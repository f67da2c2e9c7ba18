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

void TFrmViewer::ConnectCommands() {
  ConnectLogCommands();
  ConnectViewCommands();
  ConnectLayoutCommands();
  ConnectMessageCommands();
  ConnectEditCommands();
  ConnectNavigationCommands();
  ConnectProjectCommands();
  ConnectToolsCommands();
  Handle(TQBCmd::Exit, [this] { close(); });
  Handle(TQBCmd::PlugIns, [] {
    if (PlugInManager) PlugInManager->ShowPlugInsDialog();
  });
}

void TFrmViewer::ConnectLogCommands() {
  TQBLogWindow& log = *FLogArea;
  Handle(TQBCmd::Open, [&log] { log.Open(); });
  Handle(TQBCmd::Append, [&log] { log.Append(); });
  Handle(TQBCmd::Save, [&log] { log.Save(); });
  Handle(TQBCmd::Export, [&log] { log.Export(); });
  Handle(TQBCmd::Refresh, [&log] { log.Refresh(); });
  Handle(TQBCmd::FollowLogFile, [this] { FFollower->SetOn(!FFollower->IsOn()); });
}

void TFrmViewer::ConnectViewCommands() {
  TQBViewManager& views = *FViews;
  Handle(TQBCmd::ViewPrior, [&views] { views.SelectPrevious(); });
  Handle(TQBCmd::ViewNext, [&views] { views.SelectNext(); });
  TQBViewCommands& commands = FViewArea->Commands();
  Handle(TQBCmd::ViewNew, [&commands] { commands.NewView(); });
  Handle(TQBCmd::ViewModify, [&commands] { commands.ModifyView(); });
  Handle(TQBCmd::ViewRemove, [&commands] { commands.RemoveView(); });
  Handle(TQBCmd::ViewRemoveAll, [&commands] { commands.RemoveAllViews(); });
  Handle(TQBCmd::ViewMoveLeft, [&commands] { commands.MoveLeft(); });
  Handle(TQBCmd::ViewMoveRight, [&commands] { commands.MoveRight(); });
  Handle(TQBCmd::SyncMsgMode, [&commands] { commands.ToggleSyncMode(); });
  TQBOrganizerCommands& organizer = FOrganizer->Commands();
  Handle(TQBCmd::OrganizeMessages, [&organizer] { organizer.OrganizeMessages(); });
  Handle(TQBCmd::AutoOrganize, [&organizer] { organizer.ToggleAutoOrganize(); });
  Handle(TQBCmd::AutoOrganizeSettings, [&organizer] { organizer.AutoOrganizeSettings(); });
}

void TFrmViewer::ConnectProjectCommands() {
  TQBProjectCommands& project = FProject->Commands();
  Handle(TQBCmd::NewProject, [&project] { project.CloseProject(); });
  Handle(TQBCmd::OpenProject, [&project] { project.OpenProject(); });
  Handle(TQBCmd::SaveProject, [&project] { project.SaveProject(); });
  Handle(TQBCmd::SaveProjectAs, [&project] { project.SaveProjectAs(); });
  Handle(TQBCmd::CloseProject, [&project] { project.CloseProject(); });
}

void TFrmViewer::ConnectLayoutCommands() {
  TQBLayoutCommands& layout = *FLayoutCommands;
  Handle(TQBCmd::ViewInspector, [&layout] { layout.ToggleInspector(); });
  Handle(TQBCmd::FullSizeInspector, [&layout] { layout.ToggleFullSizeInspector(); });
  Handle(TQBCmd::InspectorOnBottom, [&layout] { layout.ToggleInspectorOnBottom(); });
  Handle(TQBCmd::ViewCallStack, [&layout] { layout.ToggleCallStack(); });
  Handle(TQBCmd::ViewDetailPanel, [&layout] { layout.ToggleDetailPanel(); });
  Handle(TQBCmd::WrapButtons, [&layout] { layout.ToggleWrapButtons(); });
  Handle(TQBCmd::AlwaysOnTop, [&layout] { layout.ToggleAlwaysOnTop(); });
  for (TQBCmd cmd : {TQBCmd::AllDetails, TQBCmd::ViewMsgOnly, TQBCmd::ViewCategory, TQBCmd::ViewAppName,
                     TQBCmd::ViewComputerName, TQBCmd::ViewProcessID, TQBCmd::ViewThread, TQBCmd::ViewDate,
                     TQBCmd::ViewTimeStamp, TQBCmd::ViewTimeDiff, TQBCmd::ViewTimeOffset})
    Handle(cmd, [&layout, cmd] { layout.ColumnCommand(cmd); });
  Handle(TQBCmd::HideExtraColumns, [&layout] { layout.ToggleHideExtraColumns(); });
  Handle(TQBCmd::AutoCollapse, [&layout] { layout.ToggleAutoCollapse(); });
  Handle(TQBCmd::FlattenStructure, [&layout] { layout.ToggleFlatten(); });
  for (TQBCmd cmd : {TQBCmd::PosUpperLeft, TQBCmd::PosUpperRight, TQBCmd::PosLowerRight, TQBCmd::PosLowerLeft,
                     TQBCmd::PosLeft, TQBCmd::PosTop, TQBCmd::PosRight, TQBCmd::PosBottom})
    Handle(cmd, [&layout, cmd] { layout.Position(cmd); });
  TQBHelpCommands& help = *FHelp;
  Handle(TQBCmd::HelpProduct, [&help] { help.ShowTopic(QStringLiteral("Viewer")); });
  Handle(TQBCmd::HelpQuillbox, [&help] { help.ShowTopic(QStringLiteral("QuillboxLoggingSystem")); });
}

void TFrmViewer::ConnectMessageCommands() {
  TQBMessageCommands& messages = *FMessageCommands;
  Handle(TQBCmd::Delete, [&messages] { messages.Delete(); });
  Handle(TQBCmd::CropToSelection, [&messages] { messages.CropToSelection(); });
  Handle(TQBCmd::SelectAll, [&messages] { messages.SelectAll(); });
  Handle(TQBCmd::CopyMessageText, [&messages] { messages.CopyMessageText(); });
  Handle(TQBCmd::MethodMatch, [&messages] {
    messages.MethodMatch(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
  });
  Handle(TQBCmd::CurrentMethod, [&messages] { messages.CurrentMethod(); });
  Handle(TQBCmd::ToggleMethod, [&messages] { messages.ToggleMethod(); });
  Handle(TQBCmd::ExpandAll, [&messages] { messages.ExpandAll(); });
  Handle(TQBCmd::ExpandToEnd, [&messages] { messages.ExpandToEnd(); });
  Handle(TQBCmd::CollapseAll, [&messages] { messages.CollapseAll(); });

  TQBSearchCommands& search = *FSearch;
  Handle(TQBCmd::Find, [&search] { search.Find(); });
  Handle(TQBCmd::FindNext, [&search] { search.FindNext(); });
  Handle(TQBCmd::JumpToMsg, [&search] { search.JumpToMessage(); });
  Handle(TQBCmd::GoToTime, [&search] { search.GoToTime(); });
  for (int n = 0; n < 10; ++n) {
    Handle(ToggleBookmarkCmd(n), [&search, n] { search.ToggleBookmark(n); });
    Handle(JumpToBookmarkCmd(n), [&search, n] { search.JumpToBookmark(n); });
  }
  connect(FStatus, &TQBStatusPanes::MessageNumberClicked, this, [this] {
    if (Action(TQBCmd::JumpToMsg)->isEnabled()) Action(TQBCmd::JumpToMsg)->trigger();
  });

  Handle(TQBCmd::CopyInspectorContents, [this] { FPane->CopyInspectorContents(); });
  Handle(TQBCmd::PrintInspectorContents, [this] { FPane->PrintInspectorContents(); });
}

void TFrmViewer::ConnectEditCommands() {
  TQBEditCommands& edit = FEdit->Commands();
  Handle(TQBCmd::AddNote, [&edit] { edit.AddNote(); });
  Handle(TQBCmd::AddCheckPoint, [&edit] { edit.AddCheckPoint(); });
  Handle(TQBCmd::AddSeparator, [&edit] { edit.AddSeparator(); });
  Handle(TQBCmd::AddResetSeparator, [&edit] { edit.AddResetSeparator(); });
  Handle(TQBCmd::EditMessage, [&edit] { edit.EditMessage(); });
  Handle(TQBCmd::Clear, [&edit] { edit.Clear(false); });
  Handle(TQBCmd::ClearAll, [&edit] { edit.Clear(true); });
  Handle(TQBCmd::ClearBookmarks, [&edit] { edit.ClearBookmarks(); });
}

void TFrmViewer::ConnectNavigationCommands() {
  TQBNavigator& navigator = FNavigation->Navigator();
  Handle(TQBCmd::SelectNavMsg, [&navigator] { navigator.SelectNavMessage(); });
  const std::pair<TQBCmd, TQBNavDirection> steps[] = {{TQBCmd::NavFirst, TQBNavDirection::First},
                                                      {TQBCmd::NavPrevious, TQBNavDirection::Previous},
                                                      {TQBCmd::NavNext, TQBNavDirection::Next},
                                                      {TQBCmd::NavLast, TQBNavDirection::Last}};
  for (const auto& [cmd, direction] : steps) Handle(cmd, [&navigator, direction] { navigator.Navigate(direction); });
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

void TFrmViewer::ConnectToolsCommands() {
  Handle(TQBCmd::Print, [this] { FPrintArea->Print(); });
  TQBOptionsWindow& options = *FOptionsArea;
  Handle(TQBCmd::Options, [&options] { options.Options(); });
  Handle(TQBCmd::SelectColumns, [&options] { options.SelectColumns(); });
  Handle(TQBCmd::HelpAbout, [this] { FDialogs.About->ShowAbout(this); });
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
