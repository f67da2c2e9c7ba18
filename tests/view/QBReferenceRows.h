#pragma once
// The row model written the plain way: Rows as an array of item indexes edited in place, every matching
// exit found by counting forwards, every method closed by walking the rows upwards. Slow, but each line
// follows the written algorithms, so the fast model is compared against it on random logs.

#include "view/QBViewHooks.h"

#include <quillbox/QuillboxMessageSet.h>

#include <vector>

class TQBReferenceRows : public IQBListSelectionTarget {
public:
  TQBReferenceRows(TQuillboxMessageSet& set, IQBRowListHooks& list, bool autoCollapse)
      : FSet(set), FList(list), FAutoCollapse(autoCollapse) {}

  struct TItem {
    int RecNo;
    bool Collapsed;
  };
  std::vector<TItem> Items;
  std::vector<int> Rows, Levels, SelFlags;
  int Depth = 0;
  bool Clearing = false;

  void AppendCurrentMessage();
  void ResetDepth() { Depth = 0; }
  int Type(int item) const { return FSet.At(Items[size_t(item)].RecNo).MsgType(); }
  int RowType(int row) const { return Type(Rows[size_t(row)]); }
  int FindMatchingExit(int p) const;
  void CollapseMethod(int r);
  void ExpandMethod(int r);
  // Opens a method on the way of a go-to or a search: its body rows come unselected, no other flag
  // changes.
  void OpenMethod(int r);
  // The enter row of the method that the exit in row r closes, -1 when it closes none.
  int ClosedMethodStart(int r) const;
  bool CollapseClosedMethod(int r);
  void ToggleCurrentMethod();
  void ExpandAll(bool fromStart);
  void CollapseAll();
  int DeleteSelected();
  int CropToSelection();
  int MethodSize(int r) const;
  void GoToMessage(int recNo);
  void SelectRow(int r);
  int FindTextForward(int start, const QByteArray& upperNeedle);

  void SelectRequest(int row, bool selected) override;
  bool IsSelectedQuery(int row) const override {
    return row >= 0 && row < int(Rows.size()) && SelFlags[size_t(Rows[size_t(row)])] == 1;
  }

private:
  void ClearSelection() { std::fill(SelFlags.begin(), SelFlags.end(), 0); }
  // Expand All and Collapse All keep the focused message (or the row that hides it) focused, at the
  // same height in the list, and make it the only row selected.
  struct TPlace {
    int Item = -1;
    int Offset = 0;
  };
  TPlace FocusedPlace() const;
  int RowShowing(int item) const;
  void RestorePlace(const TPlace& place);
  // Other row changes keep the focused message (or the row that hides it) focused, flags untouched.
  void KeepFocus(const TPlace& place);
  TQuillboxMessageSet& FSet;
  IQBRowListHooks& FList;
  bool FAutoCollapse;
};
