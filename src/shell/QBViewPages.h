#pragma once
// What the view manager needs of the widgets that show the views: one page in a stack and one tab in
// the tab strip per view, in the manager's order. Only the manager changes them; the tab strip tells
// the manager when the user picks a tab (TQBViewManager::Select), never the other way round.

#include <QString>

class QObject;
class TQBCustomViewClass;

class IQBViewPages {
public:
  virtual ~IQBViewPages() = default;

  // A new view of the class, owned by the window; null when the class makes none.
  virtual QObject* CreateView(const TQBCustomViewClass& viewClass) = 0;
  // Frees a view that never got a page.
  virtual void DestroyView(QObject* view) = 0;
  // Puts view on a new page at index, with a tab captioned name, and hands it the window's menus.
  // The shown page does not change.
  virtual void InsertPage(int index, QObject* view, const QString& name) = 0;
  // Removes the page and the tab at index and frees the view on it.
  virtual void RemovePage(int index) = 0;
  virtual void MovePage(int from, int to) = 0;
  // Shows the page and marks the tab at index, without telling the manager.
  virtual void ShowPage(int index) = 0;
  virtual void SetCaption(int index, const QString& name) = 0;
  virtual void SetTabStripVisible(bool visible) = 0;
  // Suspends the window's repainting while views are created and filled; calls nest.
  virtual void SuspendUpdates(bool suspend) = 0;
};
