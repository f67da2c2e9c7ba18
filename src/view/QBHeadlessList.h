#pragma once
// The row positions of the list control without a widget: current row, top row, anchor, page rows and
// the update count, with the list's rules for moving the current row (the old row is unselected, the new
// one selected, the row scrolled into view). The command-line tool and the tests drive the view's core
// through it; the list widget keeps the same rules.

#include "view/QBViewHooks.h"

#include <stdexcept>

class TQBHeadlessList : public IQBRowListHooks {
public:
  explicit TQBHeadlessList(int pageRows = 20) : FPageRows(pageRows < 1 ? 1 : pageRows) {}
  void SetTarget(IQBListSelectionTarget* target) { FTarget = target; }

  void SetRowCount(int count) override;
  void RepaintRow(int) override {}
  void RepaintAll() override {}
  int CurrentRow() const override { return FItemIndex; }
  void SetCurrentRow(int row) override;
  void SetAnchorRow(int row) override { FAnchor = row; }
  int TopRow() const override { return FTopIndex; }
  void SetTopRow(int row) override { ScrollTo(row); }
  int PageRows() const override { return FPageRows; }
  void RelocateCurrentRow(int row, int top) override;
  void BeginUpdate() override { ++FUpdateCount; }
  void EndUpdate() override;

  int RowCount() const { return FCount; }
  int AnchorRow() const { return FAnchor; }
  int UpdateCount() const { return FUpdateCount; }
  // How often the current row was moved by SetCurrentRow (the list's click event).
  int Clicks() const { return FClicks; }

private:
  void ScrollTo(int row);
  void MakeVisible(int row);
  void Select(int row, bool value) {
    if (FTarget) FTarget->SelectRequest(row, value);
  }

  IQBListSelectionTarget* FTarget = nullptr;
  int FPageRows;
  int FCount = 0;
  int FItemIndex = -1;
  int FTopIndex = 0;
  int FAnchor = 0;
  int FUpdateCount = 0;
  int FClicks = 0;
};
