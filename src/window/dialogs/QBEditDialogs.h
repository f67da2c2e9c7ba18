#pragma once
// The dialogs of the annotation and editing commands: the clear confirmation and the confirmation
// before bookmarks are removed. Tests and offscreen tools replace them.

#include <memory>

class QWidget;

class IQBEditDialogs {
public:
  virtual ~IQBEditDialogs() = default;
  // Asked over the views area; all in (Clear All) and out (the "Clear ALL Views" box). True for Yes.
  virtual bool ConfirmClearView(QWidget* viewsArea, int viewCount, bool& all) = 0;
  virtual bool ConfirmClearBookmarks(QWidget* viewsArea) = 0;
};

std::unique_ptr<IQBEditDialogs> NewEditDialogs();
