#pragma once
// The current view as the inspector pane asks about it: its focus, rows, selection and call stack,
// whether the views are being cleared and whether the user shows the pane. TQBInspectedView answers
// from the view manager without a window; the pane's tests replace it.

#include "view/QBViewNavigation.h"

#include <vector>

class TQBViewManager;
class TQuillboxMessageSet;
struct TQBDisplaySettings;

class IQBInspectedView {
public:
  virtual ~IQBInspectedView() = default;

  // True while Clear or Clear All is emptying the views.
  virtual bool IsClearingViews() const = 0;
  virtual bool HasActiveView() const = 0;
  // The active view's focused row (-1 when none), its number of rows and of selected messages.
  virtual int FocusedRow() const = 0;
  virtual int RowCount() const = 0;
  virtual int SelectedCount() const = 0;
  // Positions MessageSet on the focused message; false when there is none.
  virtual bool GotoCurrentMessage() = 0;
  // Record numbers of the first and the last selected message.
  virtual void GetSelectedRange(int& first, int& last) const = 0;
  // The enclosing method entries of the focused row, innermost first.
  virtual void GetCallStack(std::vector<TQBCallStackEntry>& entries) const = 0;
  virtual void SelectRow(int row) = 0;
  // Whether the user shows the pane (the "Inspector" setting).
  virtual bool IsInspectorShown() const = 0;
};

class TQBInspectedView final : public IQBInspectedView {
public:
  // set is the store the views show.
  TQBInspectedView(const TQBViewManager& views, const TQBDisplaySettings& display, const TQuillboxMessageSet& set)
      : FViews(views), FDisplay(display), FSet(set) {}

  bool IsClearingViews() const override;
  bool HasActiveView() const override;
  int FocusedRow() const override;
  int RowCount() const override;
  int SelectedCount() const override;
  bool GotoCurrentMessage() override;
  void GetSelectedRange(int& first, int& last) const override;
  // The view interface hands out the entries' texts only; the rows they stand on are found by walking
  // up from the focused row to each enclosing method entry. A row on the outermost level has none,
  // and the view is not asked (its walk would run to the top of the log).
  void GetCallStack(std::vector<TQBCallStackEntry>& entries) const override;
  // An entry without a row (-1) selects nothing.
  void SelectRow(int row) override;
  bool IsInspectorShown() const override;

private:
  const TQBViewManager& FViews;
  const TQBDisplaySettings& FDisplay;
  const TQuillboxMessageSet& FSet;
};
