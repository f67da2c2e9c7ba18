#pragma once
// The dialogs of the options area (the options dialog and the column chooser) and the About box;
// tests and offscreen tools replace them.

#include "settings/QBColumnChoice.h"
#include "settings/QBOptionsValues.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

class IQBOptionsDialogs {
public:
  virtual ~IQBOptionsDialogs() = default;
  // The options dialog over the main window on a copy of values; true with the dialog's values when
  // the user confirms. help opens the dialog's help topic.
  virtual bool RunOptions(QWidget* over, TQBOptionsValues& values, const std::function<void(const QString&)>& help) = 0;
  // The column chooser over the main window, loaded from columns; true with the choice when confirmed.
  virtual bool RunColumns(QWidget* over, TQBColumnSet columns, TQBColumnChoice& choice) = 0;
};

class IQBAboutDialogs {
public:
  virtual ~IQBAboutDialogs() = default;
  virtual void ShowAbout(QWidget* parent) = 0;
};

std::unique_ptr<IQBOptionsDialogs> NewOptionsDialogs();
std::unique_ptr<IQBAboutDialogs> NewAboutDialogs();
