#pragma once
// The dialog of the Print command; tests and offscreen tools replace it.

#include "view/QBColumns.h"

#include <QString>

#include <memory>

class QWidget;

class IQBPrintDialogs {
public:
  virtual ~IQBPrintDialogs() = default;
  // The print dialog's full form over the views area: the values go in and, when the user confirms,
  // come back (the title with " (Selection)" when only the selection prints).
  virtual bool AskMessagePrint(QWidget* over, QString& title, bool hasSelection, bool& printSelection,
                               TQBColumnSet& columns, int& fontSize) = 0;
};

std::unique_ptr<IQBPrintDialogs> NewPrintDialogs();
