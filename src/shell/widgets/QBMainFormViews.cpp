// TFrmViewer: the views, the binding of the current view and the commands that act on its messages.

#include "shell/widgets/QBMainForm.h"

#include "inspectors/QBCallStackList.h"
#include "inspectors/QBInspectorPane.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "shell/widgets/QBStatusPanes.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>

#include <stdexcept>

namespace {

const QString AllMessages = QStringLiteral("All Messages");

// The class the "All Messages" view is made of: "Default", or else the first one registered.
const TQBCustomViewClass* DefaultViewClass() {
  if (!InternalPlugInManager) return nullptr;
  const TCustomViewList& views = InternalPlugInManager->CustomViews();
  if (const TQBCustomViewClass* found = views.Find(QStringLiteral("Default"))) return found;
  return views.Count() > 0 ? views.Entry(0).Class : nullptr;
}

}  // namespace

void TFrmViewer::CreateDefaultView() {
  const TQBCustomViewClass* viewClass = DefaultViewClass();
  if (!viewClass) return;
  setUpdatesEnabled(false);
  QWidget* widget = viewClass->Create(this);
  auto* view = qobject_cast<IQBMessageView*>(widget);
  if (!view) {
    delete widget;
    setUpdatesEnabled(true);
    ReportError(QStringLiteral("Invalid CustomView registered"));
    return;
  }
  widget->setObjectName(QStringLiteral("viewAllMessages"));
  widget->setAccessibleName(AllMessages);
  FLayout->Pages()->addWidget(widget);
  FLayout->Tabs()->blockSignals(true);
  FLayout->Tabs()->addTab(AllMessages);
  FLayout->Tabs()->setAccessibleTabName(0, AllMessages);
  FLayout->Tabs()->setCurrentIndex(0);
  FLayout->Tabs()->blockSignals(false);
  view->SetViewName(AllMessages);
  FViews.append(TQBViewBinding::Of(widget));
  PrepareView(view);
  BindCurrentView();
  setUpdatesEnabled(true);
}

void TFrmViewer::PrepareView(IQBMessageView* view) {
  view->SetPopupMenu(FMenus.MessageList);
  if (auto* messageView = dynamic_cast<TQBMessageView*>(view)) messageView->SetHeaderPopupMenu(FMenus.MsgDetailsPopup);
  view->Initialize();
  FLayout->CallStackList()->clear();
  UpdateCommands();
}

void TFrmViewer::BindCurrentView() {
  FCurrent = {};
  const int index = FLayout->Tabs()->currentIndex();
  if (index < 0 || index >= FViews.size()) return;
  FCurrent = FViews[index];
  FLayout->Pages()->setCurrentWidget(FCurrent.Widget);
}

void TFrmViewer::OnTabChanged(int) {
  BindCurrentView();
  if (FSyncRecNo != -1 && FCurrent.List) FCurrent.List->GoToMessage(FSyncRecNo);
  // The pane follows the newly active view's focused message and refreshes the command states.
  FPane->InspectFocusedMessage();
}

void TFrmViewer::ForEachView(const std::function<void(IQBMessageView&)>& f) const {
  for (const TQBViewBinding& view : FViews) f(*view.View);
}

void TFrmViewer::ClearAllViews() {
  // The views report their emptied selections while they clear; the pane looks once they are done.
  FClearingViews = true;
  ForEachView([](IQBMessageView& view) { view.ClearView(); });
  FClearingViews = false;
  FPane->InspectFocusedMessage();
}

void TFrmViewer::ReapplyViewSettings() {
  ForEachView([](IQBMessageView& view) { view.ApplySettings(); });
}

void TFrmViewer::ConnectViewCommands() {
  Handle(TQBCmd::Delete, [this] { OnDelete(); });
  Handle(TQBCmd::CropToSelection, [this] { OnCropToSelection(); });
  Handle(TQBCmd::SelectAll, [this] { OnSelectAll(); });
  Handle(TQBCmd::CopyMessageText, [this] { OnCopyMessageText(); });
  Handle(TQBCmd::Find, [this] { OnFind(); });
  Handle(TQBCmd::FindNext, [this] { OnFindNext(); });
  Handle(TQBCmd::JumpToMsg, [this] { OnJumpToMsg(); });
  for (int n = 0; n < 10; ++n) {
    Handle(ToggleBookmarkCmd(n), [this, n] {
      if (FCurrent.List) FCurrent.List->ToggleBookmark(n);
      UpdateCommands();
    });
    Handle(JumpToBookmarkCmd(n), [this, n] {
      if (FCurrent.List) FCurrent.List->GoToBookmark(n);
      UpdateCommands();
    });
  }
  Handle(TQBCmd::MethodMatch, [this] { OnMethodMatch(); });
  Handle(TQBCmd::CurrentMethod, [this] { OnCurrentMethod(); });
  Handle(TQBCmd::ToggleMethod, [this] { OnToggleMethod(); });
  Handle(TQBCmd::ExpandAll, [this] { OnExpandAll(); });
  Handle(TQBCmd::ExpandToEnd, [this] { OnExpandToEnd(); });
  Handle(TQBCmd::CollapseAll, [this] { OnCollapseAll(); });
  Handle(TQBCmd::ViewPrior, [this] { OnViewPrior(); });
  Handle(TQBCmd::ViewNext, [this] { OnViewNext(); });
  Handle(TQBCmd::PlugIns, [this] { OnPlugIns(); });
  connect(&StatusPanes(), &TQBStatusPanes::MessageNumberClicked, this, [this] {
    if (Action(TQBCmd::JumpToMsg)->isEnabled()) Action(TQBCmd::JumpToMsg)->trigger();
  });
}

void TFrmViewer::OnDelete() {
  if (!FCurrent.View) return;
  FCurrent.View->DeleteSelected();
  FLog.Modified = true;
  UpdateCommands();
}

void TFrmViewer::OnCropToSelection() {
  // Cropping narrows what this view shows; the log itself is unchanged, so it stays unmodified.
  if (FCurrent.View) FCurrent.View->CropToSelection();
  UpdateCommands();
}

void TFrmViewer::OnSelectAll() {
  if (FCurrent.View) FCurrent.View->SelectAll();
  UpdateCommands();
}

void TFrmViewer::OnCopyMessageText() {
  if (FCurrent.View) FCurrent.View->CopyToClipboard();
}

void TFrmViewer::OnFind() {
  if (FCurrent.Search) FCurrent.Search->ShowFindDialog(FFindText, FFindForward, FFindInDetails, FFindFromCursor);
  UpdateCommands();
}

void TFrmViewer::OnFindNext() {
  if (FCurrent.Search) FCurrent.Search->FindText(false, FFindText, FFindInDetails, FFindFromCursor, FFindForward);
  UpdateCommands();
}

void TFrmViewer::OnJumpToMsg() {
  if (FCurrent.List) FCurrent.List->JumpToMessage();
  UpdateCommands();
}

void TFrmViewer::OnMethodMatch() {
  if (!FCurrent.Methods) return;
  const int before = FCurrent.List ? FCurrent.List->GetItemIndex() : -1;
  FCurrent.Methods->GoToMatchingMethod();
  // With Shift held the entry and the exit end up selected together.
  if (before != -1 && FCurrent.View && (QApplication::keyboardModifiers() & Qt::ShiftModifier))
    FCurrent.View->SetRowSelected(before, true);
  UpdateCommands();
}

void TFrmViewer::OnCurrentMethod() {
  if (FCurrent.Methods) FCurrent.Methods->GoToCurrentMethod();
  UpdateCommands();
}

void TFrmViewer::OnToggleMethod() {
  if (FCurrent.Methods) FCurrent.Methods->ToggleCurrentMethod();
  UpdateCommands();
}

void TFrmViewer::OnExpandAll() {
  if (FCurrent.Methods) FCurrent.Methods->ExpandAll(true);
  UpdateCommands();
}

void TFrmViewer::OnExpandToEnd() {
  if (FCurrent.Methods) FCurrent.Methods->ExpandAll(false);
  UpdateCommands();
}

void TFrmViewer::OnCollapseAll() {
  if (FCurrent.Methods) FCurrent.Methods->CollapseAll();
  UpdateCommands();
}

void TFrmViewer::OnViewPrior() {
  QTabBar* tabs = FLayout->Tabs();
  if (tabs->currentIndex() > 0) tabs->setCurrentIndex(tabs->currentIndex() - 1);
}

void TFrmViewer::OnViewNext() {
  QTabBar* tabs = FLayout->Tabs();
  if (tabs->currentIndex() < tabs->count() - 1) tabs->setCurrentIndex(tabs->currentIndex() + 1);
}

void TFrmViewer::OnPlugIns() {
  if (PlugInManager) PlugInManager->ShowPlugInsDialog();
}

void TFrmViewer::FillSwitchToViewMenu() {
  QMenu* menu = FMenus.SwitchToView;
  menu->clear();
  QTabBar* tabs = FLayout->Tabs();
  for (int i = 0; i < tabs->count(); ++i) {
    QAction* entry = menu->addAction(tabs->tabText(i));
    entry->setCheckable(true);
    entry->setChecked(i == tabs->currentIndex());
    connect(entry, &QAction::triggered, tabs, [tabs, i] { tabs->setCurrentIndex(i); });
  }
}
