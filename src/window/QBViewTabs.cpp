#include "window/QBViewTabs.h"

#include "model/QBDisplayText.h"
#include "shell/QBViewManager.h"
#include "window/QBMenus.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace {

// "All Messages" is viewAllMessages: the name without its spaces and signs.
QString ObjectNameOf(const QString& viewName) {
  QString name = QStringLiteral("view");
  for (const QChar c : viewName)
    if (c.isLetterOrNumber()) name += c;
  return name;
}

// A view's name as a tab or a menu entry shows it: names come from project files, so their controls,
// line breaks and bidirectional marks are made visible, and an "&" is itself, not a mnemonic.
QString CaptionOf(const QString& viewName) { return VisibleName(viewName).replace(u'&', QStringLiteral("&&")); }

}  // namespace

TQBViewTabs::TQBViewTabs(QWidget& owner, QTabBar& tabs, QStackedWidget& pages, const TQBMenus& menus)
    : QObject(&owner), FOwner(owner), FTabs(tabs), FPages(pages), FMenus(menus) {
  connect(&FTabs, &QTabBar::currentChanged, this, [this](int index) {
    if (FManager) FManager->Select(index);
  });
  FTabs.installEventFilter(this);
  connect(FMenus.SwitchToView, &QMenu::aboutToShow, this, &TQBViewTabs::FillSwitchToViewMenu);
  // Whatever the menu ran, or when it ran nothing, the keyboard goes back to the view: the strip keeps
  // it only when the user tabs there. Posted, so it follows the command the menu runs after hiding.
  connect(FMenus.Views, &QMenu::aboutToHide, this,
          [this] { QMetaObject::invokeMethod(this, &TQBViewTabs::FocusCurrentView, Qt::QueuedConnection); });
}

bool TQBViewTabs::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &FTabs || event->type() != QEvent::ContextMenu) return QObject::eventFilter(watched, event);
  OpenTabMenu(*static_cast<QContextMenuEvent*>(event));
  return true;
}

void TQBViewTabs::OpenTabMenu(const QContextMenuEvent& event) {
  // The menu's commands act on the current view, so the tab under the mouse becomes current first:
  // the commands and their enabling then concern the tab the user clicked, which is also the one
  // shown. From the keyboard the menu belongs to the current tab.
  const int index = event.reason() == QContextMenuEvent::Mouse ? FTabs.tabAt(event.pos()) : -1;
  if (FManager && index >= 0 && index != FManager->CurrentIndex()) FManager->Select(index);
  FMenus.Views->popup(event.globalPos());
}

template <typename F>
void TQBViewTabs::Silently(F f) {
  // The manager changed the list itself: the tab strip's own notice would run a second tab change.
  const bool blocked = FTabs.blockSignals(true);
  f();
  FTabs.blockSignals(blocked);
}

QObject* TQBViewTabs::CreateView(const TQBCustomViewClass& viewClass) { return viewClass.Create(&FOwner); }

void TQBViewTabs::DestroyView(QObject* view) { delete view; }

void TQBViewTabs::InsertPage(int index, QObject* view, const QString& name) {
  auto* widget = qobject_cast<QWidget*>(view);
  widget->setObjectName(ObjectNameOf(name));
  FPages.insertWidget(index, widget);
  Silently([&] { FTabs.insertTab(index, QString()); });
  SetCaption(index, name);
  if (auto* messageView = qobject_cast<IQBMessageView*>(view)) messageView->SetPopupMenu(FMenus.MessageList);
  // The program's own view opens the column menu on its header line.
  if (auto* ownView = qobject_cast<TQBMessageView*>(view)) ownView->SetHeaderPopupMenu(FMenus.MsgDetailsPopup);
}

void TQBViewTabs::RemovePage(int index) {
  QWidget* widget = FPages.widget(index);
  FPages.removeWidget(widget);
  Silently([&] { FTabs.removeTab(index); });
  delete widget;
  PlaceCloseButton();
}

void TQBViewTabs::MovePage(int from, int to) {
  QWidget* widget = FPages.widget(from);
  FPages.removeWidget(widget);
  FPages.insertWidget(to, widget);
  Silently([&] { FTabs.moveTab(from, to); });
  PlaceCloseButton();
}

void TQBViewTabs::ShowPage(int index) {
  FPages.setCurrentIndex(index);
  Silently([&] { FTabs.setCurrentIndex(index); });
  PlaceCloseButton();
}

void TQBViewTabs::SetCloseAction(QAction* action) {
  FCloseAction = action;
  // The button follows the command's state.
  connect(action, &QAction::changed, this, [this] {
    if (QWidget* button = FTabs.tabButton(FTabs.currentIndex(), QTabBar::RightSide))
      button->setEnabled(FCloseAction->isEnabled());
  });
  PlaceCloseButton();
}

void TQBViewTabs::PlaceCloseButton() {
  if (!FCloseAction) return;
  const int current = FTabs.currentIndex();
  for (int i = 0; i < FTabs.count(); ++i) {
    QWidget* button = FTabs.tabButton(i, QTabBar::RightSide);
    if (i == current || !button) continue;
    FTabs.setTabButton(i, QTabBar::RightSide, nullptr);
    button->deleteLater();
  }
  // "All Messages" cannot be removed: its tab has no button.
  if (current < 1 || FTabs.tabButton(current, QTabBar::RightSide)) return;
  auto* button = new QToolButton(&FTabs);
  button->setObjectName(QStringLiteral("btnCloseView"));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIcon(FTabs.style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  button->setIconSize(QSize(10, 10));
  button->setToolTip(FCloseAction->toolTip());
  button->setAccessibleName(QStringLiteral("Remove View"));
  button->setEnabled(FCloseAction->isEnabled());
  connect(button, &QToolButton::clicked, this, [this] {
    if (FCloseAction->isEnabled()) FCloseAction->trigger();
  });
  FTabs.setTabButton(current, QTabBar::RightSide, button);
}

void TQBViewTabs::SetCaption(int index, const QString& name) {
  const QString shown = VisibleName(name);
  FTabs.setTabText(index, CaptionOf(name));
  FTabs.setAccessibleTabName(index, shown);
  if (QWidget* widget = FPages.widget(index)) widget->setAccessibleName(shown);
}

void TQBViewTabs::SetTabStripVisible(bool visible) { FTabs.setVisible(visible); }

void TQBViewTabs::SuspendUpdates(bool suspend) {
  FSuspended += suspend ? 1 : -1;
  if (FSuspended == (suspend ? 1 : 0)) FOwner.setUpdatesEnabled(!suspend);
}

void TQBViewTabs::FocusCurrentView() {
  if (QWidget* view = FPages.currentWidget()) view->setFocus();
}

void TQBViewTabs::FillSwitchToViewMenu() {
  QMenu* menu = FMenus.SwitchToView;
  menu->clear();
  if (!FManager) return;
  const QList<TQBSwitchEntry> entries = FManager->SwitchToViewEntries();
  for (qsizetype i = 0; i < entries.size(); ++i) {
    QAction* entry = menu->addAction(CaptionOf(entries[i].Caption));
    entry->setCheckable(true);
    entry->setChecked(entries[i].Current);
    connect(entry, &QAction::triggered, this, [this, i] {
      if (FManager) FManager->Select(int(i));
    });
  }
}
