#pragma once
// The command table: one row per command with its object name, caption, shortcut, hint and icon, and
// the QActions built from it. Menus, toolbars and context menus only present these actions; who
// enables them is UpdateCommands, who runs them is the handler the main window connects.

#include "shell/QBCommandIds.h"

#include <QObject>

#include <array>

class QAction;
class QIcon;

struct TQBCommandInfo {
  TQBCmd Id;
  const char* Name;      // object name, "actOpen"
  const char* Caption;
  const char* Shortcut;  // portable key sequence text, "" for none
  const char* Hint;      // "\r" breaks a line, "" for none
  const char* Icon;      // file under :/icons/commands/ without ".svg", "" for none
  bool Checkable;
};

// Every command, in TQBCmd order.
const std::array<TQBCommandInfo, QBCommandCount>& QBCommandInfos();
const TQBCommandInfo& QBCommandInfo(TQBCmd cmd);

// The hint as a tool tip: hints use "\r" line breaks.
QString QBHintText(const char* hint);
// The caption without accelerator marks and trailing dots, for accessible names.
QString QBPlainCaption(const QString& caption);
// The icon of a command's icon file; a null icon for "".
QIcon QBCommandIcon(const char* icon);

class TQBCommandTable : public QObject {
  Q_OBJECT
public:
  // Builds one disabled action per command; the actions are children of this table.
  explicit TQBCommandTable(QObject* parent = nullptr);

  QAction* Action(TQBCmd cmd) const { return FActions[Index(cmd)]; }
  QAction* operator[](TQBCmd cmd) const { return Action(cmd); }
  const std::array<QAction*, QBCommandCount>& Actions() const { return FActions; }

private:
  std::array<QAction*, QBCommandCount> FActions{};
};
