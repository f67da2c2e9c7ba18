#pragma once
// The dialogs of message navigation: the time difference threshold and the navigation message choice.
// Tests and offscreen tools replace them.

#include <cstdint>
#include <memory>

class QWidget;

class IQBNavigationDialogs {
public:
  virtual ~IQBNavigationDialogs() = default;
  // Over the current view; true with the threshold when accepted with a number.
  virtual bool AskTimeDiffThreshold(QWidget* view, int32_t& threshold) = 0;
  // Over the main window; true with both values when confirmed.
  virtual bool AskNavMessage(QWidget* window, bool& automatic, int32_t& kind) = 0;
};

std::unique_ptr<IQBNavigationDialogs> NewNavigationDialogs();
