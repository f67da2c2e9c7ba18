#include "window/areas/QBNavigationWindow.h"

#include "shell/QBViewManager.h"
#include "window/areas/QBNavMenu.h"
#include "window/dialogs/QBNavigationDialogs.h"

#include <QWidget>

TQBNavigationWindow::TQBNavigationWindow(const TParts& parts)
    : P(parts), FMenu(new TQBNavMenu(&P.Window, P.EnablingChanged)) {
  IQBNavigatorDialogs& dialogs = *this;
  FNavigator = std::make_unique<TQBNavigator>(*FMenu, dialogs, P.Set, P.Views);
  FMenu->SetButton(&P.Button);
  QObject::connect(FMenu, &TQBNavMenu::EntryTriggered, FMenu, [this](int entry) { OnEntry(entry); });
}

TQBNavigationWindow::~TQBNavigationWindow() = default;

void TQBNavigationWindow::OnEntry(int entry) {
  if (entry == qbnav::AutomaticEntry)
    FNavigator->ToggleAutomatic();
  else if (entry == qbnav::TimeDiffEntry)
    FNavigator->ToggleTimeDiff();
  else
    FNavigator->ChooseKind(entry);
  if (P.UpdateCommands) P.UpdateCommands();
}

bool TQBNavigationWindow::AskTimeDiffThreshold(int32_t& threshold) {
  return P.Dialogs.AskTimeDiffThreshold(qobject_cast<QWidget*>(P.Views.Current().Object), threshold);
}

bool TQBNavigationWindow::AskNavMessage(bool& automatic, int32_t& kind) {
  return P.Dialogs.AskNavMessage(&P.Window, automatic, kind);
}
