#pragma once
// The areas' dialogs for a program that draws the window with nobody in front of it: nothing waits.
// Errors are kept as single lines for the program to print; questions are answered Cancel (or No),
// file dialogs are cancelled, the print, options, clear and navigation dialogs and Go to Time's question
// refused and the About box not shown.

#include "window/dialogs/QBShellDialogs.h"

#include <QStringList>

// Every error the dialogs were asked to show, one line each: the report's first paragraph, its line
// breaks made spaces.
struct TQBOffscreenErrors {
  QStringList Lines;
  void Add(const QString& text);
};

TQBShellDialogs QBOffscreenDialogs(TQBOffscreenErrors& errors);
