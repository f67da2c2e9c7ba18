#pragma once
// The application's general error report: a message box with the error's text, after which the
// program goes on. Areas report through it; tests and offscreen tools replace it.

#include <QString>

#include <memory>

class QWidget;

class IQBErrorReport {
public:
  virtual ~IQBErrorReport() = default;
  // An error box captioned caption, over the control the error is about.
  virtual void ShowError(QWidget* over, const QString& caption, const QString& text) = 0;
};

// The modal error box.
std::unique_ptr<IQBErrorReport> NewErrorReport();
