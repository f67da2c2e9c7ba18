#include "window/areas/QBNavMenu.h"

#include "window/QBCommandTable.h"
#include "view/widgets/QBIconLists.h"

#include "model/QBMessageTypes.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

QIcon EntryIcon(int entry) {
  if (entry == qbnav::TimeDiffEntry) return QBCommandIcon("nav-timediff");
  if (entry == qbnav::AutomaticEntry) return {};
  return qbicons::MessageIcons().value(qbtypes::IconIndex(qbnav::Entry(entry).Code));
}

}  // namespace

TQBNavMenu::TQBNavMenu(QWidget* window, std::function<void()> enablingChanged)
    : QObject(window), FEnablingChanged(std::move(enablingChanged)) {
  BuildActions(window);
  BuildMenu(window);
}

void TQBNavMenu::BuildActions(QWidget* window) {
  for (int entry = 0; entry < qbnav::EntryCount; ++entry) {
    const TQBNavEntry& e = qbnav::Entry(entry);
    auto* action = new QAction(EntryIcon(entry), QString::fromLatin1(e.Caption), this);
    action->setObjectName(QLatin1String(e.Name));
    action->setCheckable(true);
    action->setData(e.Tag);
    window->addAction(action);
    connect(action, &QAction::triggered, this, [this, entry] {
      emit EntryTriggered(entry);
      // A checkable command ticks itself when triggered; what shows marked is the navigator's choice.
      for (int i = 0; i < qbnav::EntryCount; ++i) FActions[size_t(i)]->setChecked(FMarks[size_t(i)]);
    });
    FActions[size_t(entry)] = action;
  }
}

void TQBNavMenu::BuildMenu(QWidget* window) {
  FMenu = new QMenu(window);
  FMenu->setObjectName(QStringLiteral("mnuNavMsg"));
  FMenu->setAccessibleName(QStringLiteral("Navigation Message"));
  // Three columns of entries, each a flat button presenting its command with icon and caption.
  auto* grid = new QWidget(FMenu);
  grid->setObjectName(QStringLiteral("pnlNavColumns"));
  auto* columns = new QHBoxLayout(grid);
  columns->setContentsMargins(2, 2, 2, 2);
  columns->setSpacing(4);
  for (int c = 0; c < qbnav::MenuColumnCount; ++c) {
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    for (int entry : qbnav::MenuColumn(c)) {
      auto* item = new QToolButton(grid);
      item->setObjectName(QStringLiteral("mnu") + QLatin1String(qbnav::Entry(entry).Name).mid(3));
      item->setDefaultAction(FActions[size_t(entry)]);
      item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
      item->setAutoRaise(true);
      item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      item->setIconSize(qbicons::IconSize);
      connect(item, &QToolButton::clicked, FMenu, &QMenu::close);
      column->addWidget(item);
    }
    column->addStretch(1);
    columns->addLayout(column);
  }
  auto* holder = new QWidgetAction(FMenu);
  holder->setDefaultWidget(grid);
  FMenu->addAction(holder);
}

void TQBNavMenu::SetButton(QToolButton* button) {
  FButton = button;
  FButton->setObjectName(QStringLiteral("btnNavSelect"));
  FButton->setMenu(FMenu);
  FButton->setPopupMode(QToolButton::InstantPopup);
  ShowOnButton();
}

void TQBNavMenu::ShowOnButton() {
  if (!FButton || FCurrent < 0) return;
  QAction* action = FActions[size_t(FCurrent)];
  FButton->setIcon(action->icon());
  const QString tip = QString::fromLatin1(qbnav::BrowseForPrefix) + action->text();
  FButton->setToolTip(tip);
  FButton->setAccessibleName(tip);
}

void TQBNavMenu::ShowCurrentEntry(int entry) {
  FCurrent = entry;
  SetMarked(entry, true);
  ShowOnButton();
}

void TQBNavMenu::SetMarked(int entry, bool marked) {
  FMarks[size_t(entry)] = marked;
  FActions[size_t(entry)]->setChecked(marked);
}

void TQBNavMenu::SetTimeDiffCaption(const QString& caption) {
  FActions[size_t(qbnav::TimeDiffEntry)]->setText(caption);
}

void TQBNavMenu::SetKindsEnabled(bool enabled) {
  for (int entry = 0; entry < qbnav::KindCount; ++entry) FActions[size_t(entry)]->setEnabled(enabled);
  FActions[size_t(qbnav::AutomaticEntry)]->setEnabled(enabled);
}

void TQBNavMenu::NavEnablingChanged() {
  if (FEnablingChanged) FEnablingChanged();
}
