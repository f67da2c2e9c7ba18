#pragma once
// The dialogs of the Search menu's commands that the window runs itself (Go to Time); tests and
// offscreen tools replace them.

#include <quillbox/QuillboxTypes.h>

#include <memory>

class QWidget;

class IQBSearchDialogs {
public:
  virtual ~IQBSearchDialogs() = default;
  // The Go to Time dialog over the control, starting at value; false when cancelled.
  virtual bool AskTime(QWidget* over, TQBTimeStamp& value) = 0;
};

std::unique_ptr<IQBSearchDialogs> NewSearchDialogs();
