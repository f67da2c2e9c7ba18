#pragma once
// The navigation kind list as the window shows it: a command per entry of the kind table (the forty
// kinds, Automatic and Time Difference), the menu mnuNavMsg that lists them in three columns, and the
// drop-down button btnNavSelect that shows the current entry's icon and "Browse for ..." tooltip. It is
// the navigator's display; the window routes the entries' commands to the navigator.

#include "shell/QBNavigator.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QToolButton;
class QWidget;

class TQBNavMenu final : public QObject, public IQBNavigatorDisplay {
  Q_OBJECT
public:
  // enablingChanged: First, Previous, Next and Last must be renewed at once.
  TQBNavMenu(QWidget* window, std::function<void()> enablingChanged);

  QAction* Action(int entry) const { return FActions[size_t(entry)]; }
  QMenu* Menu() const { return FMenu; }
  // The drop-down button of the view toolbar; it opens the menu.
  void SetButton(QToolButton* button);
  QToolButton* Button() const { return FButton; }

  // IQBNavigatorDisplay
  void ShowCurrentEntry(int entry) override;
  void SetMarked(int entry, bool marked) override;
  void SetTimeDiffCaption(const QString& caption) override;
  void SetKindsEnabled(bool enabled) override;
  void NavEnablingChanged() override;

signals:
  // An entry's command ran; the marks are put back to what the display was told afterwards.
  void EntryTriggered(int entry);

private:
  void BuildActions(QWidget* window);
  void BuildMenu(QWidget* window);
  void ShowOnButton();

  std::array<QAction*, qbnav::EntryCount> FActions{};
  std::array<bool, qbnav::EntryCount> FMarks{};
  QMenu* FMenu = nullptr;
  QToolButton* FButton = nullptr;
  int FCurrent = -1;
  std::function<void()> FEnablingChanged;
};
