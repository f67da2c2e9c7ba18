#pragma once
// The dialog of the inspector pane's Print Inspector Contents; tests and offscreen tools replace it.

#include <QString>

#include <memory>

class QWidget;

class IQBInspectorDialogs {
public:
  virtual ~IQBInspectorDialogs() = default;
  // The print dialog in its inspector variant, proposing title; false when the user cancels.
  virtual bool AskInspectorPrintTitle(QWidget* over, QString& title) = 0;
};

std::unique_ptr<IQBInspectorDialogs> NewInspectorDialogs();
