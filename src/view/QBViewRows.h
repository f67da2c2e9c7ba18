#pragma once
// The rows of one message view and their method nesting.
//
// The view keeps, per accepted store message, an item: its record number, its nesting level, its
// selection flag and (for a method entry) whether the method is collapsed. Rows are the visible items
// in item order (TQBRowIndex). Hidden items are exactly the bodies and exits of collapsed methods.
//
// Method structure is kept incrementally so nothing has to scan long stretches of the view:
// - the matching exit of every entry (bracket matching of types 9 and 10, the same answer as counting
//   entries and exits forwards from the entry), kept with a stack of open entries while items are added
//   and recomputed in one pass after a deletion;
// - for every level, the ascending list of entry and exit items at that level, so "the nearest entry or
//   exit row above at level L" is a binary search rather than a walk over the rows in between.
// Together every whole-view operation (collapse all, expand all, delete, crop) is O(n log n) at worst.
// - per message type, which items are rows (TQBTypeIndex), so the nearest row of a type before or after
//   a row is found in O(log n): navigation and its enabling never walk the view.

#include "view/QBRowIndex.h"
#include "view/QBTypeIndex.h"
#include "view/QBViewHooks.h"

#include <quillbox/QuillboxMessageSet.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <vector>

class TQBViewRows : public IQBListSelectionTarget {
public:
  TQBViewRows(TQuillboxMessageSet& set, IQBRowListHooks& list, IQBViewHostHooks& host);
  // The type index refers back to this object.
  TQBViewRows(const TQBViewRows&) = delete;
  TQBViewRows& operator=(const TQBViewRows&) = delete;

  TQuillboxMessageSet& MessageSet() const { return FSet; }
  IQBRowListHooks& List() const { return FList; }
  IQBViewHostHooks& Host() const { return FHost; }

  // Adding. Appends the store's current message (the filter was already passed); the store is left
  // on the new message.
  void AppendCurrentMessage();
  // Depth := 0: the next message starts at the outermost level. In a store of merged logs, the next
  // message of the log whose message the view took last.
  void ResetDepth() { FLanes[FLastLane].Depth = 0; }
  // The level the next message of that log gets.
  int Depth() const { return FLanes[FLastLane].Depth; }

  // Sizes and lookups. Row and item arguments must be valid.
  int RowCount() const { return FRows.RowCount(); }
  int ItemCount() const { return int(FRecNos.size()); }
  int ItemOfRow(int row) const { return FRows.ItemOfRow(row); }
  // The row of a visible item.
  int RowOfItem(int item) const { return FRows.RowsBefore(item); }
  bool IsItemVisible(int item) const { return FRows.IsVisible(item); }
  int NextVisibleItem(int item) const { return FRows.NextVisible(item); }
  int PrevVisibleItem(int item) const { return FRows.PrevVisible(item); }
  int ItemRecNo(int item) const { return FRecNos[size_t(item)]; }
  int ItemLevel(int item) const { return FLevels[size_t(item)]; }
  bool ItemCollapsed(int item) const { return FCollapsed[size_t(item)] != 0; }
  bool ItemSelected(int item) const { return FSelFlags[size_t(item)] != 0; }
  bool ItemIsEnter(int item) const { return FKinds[size_t(item)] == KindEnter; }
  bool ItemIsExit(int item) const { return FKinds[size_t(item)] == KindExit; }
  int32_t ItemType(int item) const { return FSet.At(ItemRecNo(item)).MsgType(); }
  // The matching exit of an entry item, -1 when it has none (or the item is no entry).
  int MatchingExit(int item) const { return ItemIsEnter(item) ? FMatch[size_t(item)] : -1; }

  int GetRowRecNo(int row) const { return ItemRecNo(ItemOfRow(row)); }
  int GetRowLevel(int row) const { return ItemLevel(ItemOfRow(row)); }
  int32_t RowType(int row) const { return ItemType(ItemOfRow(row)); }
  // The first row from row on (the last row up to row) whose message type matches wanted as
  // navigation matches types; -1 when none. Any row past the end (before the start) is allowed.
  int NextRowOfType(int32_t wanted, int row) const;
  // The first row item at or after item whose message type matches wanted; -1 when none.
  int NextItemOfType(int32_t wanted, int item) const;
  int PrevRowOfType(int32_t wanted, int row) const;
  // How many rows have a message type matching wanted; O(1).
  int RowCountOfType(int32_t wanted) const { return FTypes.RowCount(wanted); }
  // The first item whose record number is at least recNo (items are in store order); ItemCount() when
  // none.
  int ItemAtOrAfterRecNo(int recNo) const;
  // A method entry row whose method is collapsed.
  bool IsRowCollapsedMethod(int row) const;
  // Messages strictly between the entry in row and its exit; 0 when row is no entry or has no exit.
  int MethodSize(int row) const;

  // Positioning the store.
  void GotoRowMessage(int row) const { FSet.GotoRec(GetRowRecNo(row)); }
  // False, and nothing moves, when there is no current row.
  bool GotoCurrentMessage() const;
  int CurrentRow() const { return FList.CurrentRow(); }

  // Methods. The focused message stays focused when rows come or go above it; when a collapse hides
  // it, the entry row of the method that hides it takes the focus.
  void CollapseMethod(int row);
  // Opens the method, then (the command's own rule) the entry row is the only row selected.
  void ExpandMethod(int row);
  // Opens the collapsed method in row on the way of a search or a go-to: its body becomes rows, none
  // of them selected, and the entry row keeps its flag; no other flag changes. The list is not told
  // where the focused message went; the caller moves the focus or calls KeepFocus.
  void OpenMethod(int row);
  // Collapses the method that the exit in row closes; true when a method was collapsed.
  bool CollapseClosedMethod(int row);
  void ToggleMethod(int row);
  void ToggleCurrentMethod();
  bool IsCurrentMethodCollapsed() const;
  bool IsMethodCollapsed(int row) const { return IsRowCollapsedMethod(row); }
  // Expand All and Collapse All keep the user's place: the message that had the focus keeps it (or,
  // when a collapse hid it, the entry row of the method that hides it) at the same height in the list.
  // The rows change in one bracket and the list hears of the new current row once.
  void ExpandAll(bool fromStart);
  void CollapseAll();

  // Quick filter. With a test, only items whose messages pass it are rows; the bodies of collapsed
  // methods stay hidden as before, and showing a body again shows only its passing items. passes holds
  // the test's answers for the first items (a scan done beforehand, a slice at a time); the test is
  // asked for the others and for every item added later. An empty test makes every item a row again
  // that no collapsed method hides. The focused message keeps its place, as after Collapse All.
  // Under a quick filter a message that closes a method collapses the method its bracket opened.
  using TQuickTest = std::function<bool(int recNo)>;
  void SetQuickFilter(TQuickTest test, std::vector<uint8_t> passes);
  bool HasQuickFilter() const { return bool(FQuickTest); }

  // Removing.
  // Counts the removals (Clear, Delete, Crop): an index kept beside the items starts over when it
  // changes, and only catches up with appended items while it stays.
  uint64_t Generation() const { return FGeneration; }
  void ClearView();
  int DeleteSelected();
  int CropToSelection();

  // The user's place: the focused item and how far below the top row it is.
  struct TPlace {
    int Item = -1;
    int Offset = 0;
  };
  TPlace FocusedPlace() const;
  // After rows came or went: the row that shows the place's item becomes current again at the same
  // height, without selection requests, and the list reports it once; nothing happens when that row is
  // current already.
  void KeepFocus(const TPlace& place);

  // Selection. Flags live on items; a collapsed row carries those of its hidden body, so every hidden
  // item is selected exactly when the row that shows it is.
  bool IsRowSelected(int row) const { return ItemSelected(ItemOfRow(row)); }
  // A collapsed row's flag goes to its whole method, as the list's selection request does.
  void SetRowSelected(int row, bool value);
  int SelectedCount() const;
  // Record numbers of the first and last selected rows; false when no row is selected.
  bool GetSelectedRange(int& first, int& last) const;
  void ClearSelection();
  void SelectAll() { SelectRequest(-1, true); FList.RepaintAll(); }

  // The list control's selection requests and queries.
  void SelectRequest(int row, bool selected) override;
  bool IsSelectedQuery(int row) const override;

private:
  enum : uint8_t { KindOther = 0, KindEnter = 1, KindExit = 2 };
  static uint8_t KindOf(int32_t type);
  // type: the message's type as stored (what ItemType answers from now on).
  void AddItem(int recNo, int level, int32_t type);
  void IndexMethodItem(int item);
  void RebuildMethodIndex();
  void SetItemFlags(int first, int last, bool value);
  void SetItemFlag(int item, bool value) { SetItemFlags(item, item, value); }
  // The nearest visible entry or exit item before item at the given level, -1 when none.
  int NearestMarkAbove(int item, int level) const;
  // Collapses the exit-closed entry at enterItem; it becomes current when no row is current or the
  // collapse hides the current one. True when something collapsed.
  bool CollapseAt(int enterItem);
  // Items first..last become rows, or stop being rows, in the row map and the type index alike.
  void SetRowRange(int first, int last, bool visible);
  // Hides the body and exit of the method entered at enterItem, gives them the entry's selection flag
  // and marks it collapsed; false when it has no matching exit. The list is not told: the caller sets
  // its row count.
  bool HideMethod(int enterItem);
  void HideMethodBody(int enterItem, int exitItem);
  void ShowMethodBody(int enterItem, int exitItem);

  // The row that shows item: its own, or the nearest row above it (the entry row of the collapsed
  // method that hides it); -1 when the view has no rows.
  int RowShowing(int item) const;
  // Flags only the row that shows the place's item (a collapsed row with its method) and makes it
  // current at the same height.
  void RestorePlace(const TPlace& place);
  void ClearSelectionFlags();
  void RemoveItems(const std::vector<uint8_t>& remove);
  // The row map and the type index from one flag per item.
  void AssignVisibility(const std::vector<uint8_t>& visible);
  // Whether the quick filter lets item through (true without one).
  bool QuickPasses(int item) const { return !FQuickTest || FQuickPasses[size_t(item)] != 0; }
  // Items first..last that pass the quick filter become rows, in runs.
  void ShowPassingRuns(int first, int last);
  // A method closed by a message added under a quick filter: collapsed by its bracket match when the
  // message says so, or when auto-collapse is on and the method is empty.
  void CollapseArrivedExit(int exitItem, bool collapseOnExit);

  TQuillboxMessageSet& FSet;
  IQBRowListHooks& FList;
  IQBViewHostHooks& FHost;

  std::vector<int32_t> FRecNos;
  std::vector<int32_t> FLevels;
  std::vector<uint8_t> FSelFlags;
  std::vector<uint8_t> FCollapsed;
  std::vector<uint8_t> FKinds;
  std::vector<int32_t> FMatch;     // entry item -> its matching exit item, -1 when none
  TQBRowIndex FRows;
  TQBTypeIndex FTypes{[this](int item) { return ItemType(item); }};
  // Nesting runs per lane: lane 0 holds the messages of a store with one log (and those of no source
  // log), lane n + 1 those of merged log n, so the methods of two logs never pair with each other.
  struct TLane {
    int32_t Depth = 0;
    std::vector<int32_t> Open;                        // entries still waiting for their exit
    std::vector<std::vector<int32_t>> MarksByLevel;  // entry and exit items per level, ascending
  };
  size_t LaneOf(int item) const;
  TLane& LaneFor(size_t lane);
  std::vector<TLane> FLanes = std::vector<TLane>(1);
  size_t FLastLane = 0;
  int FLastClosedEntry = -1;  // the entry that the last indexed exit closed
  TQuickTest FQuickTest;
  std::vector<uint8_t> FQuickPasses;  // one flag per item while FQuickTest is set
  uint64_t FGeneration = 0;
  bool FClearing = false;
  // Every set selection flag lies in FSelLow..FSelHigh, so clearing the selection (done by every
  // expansion) costs only the span that was selected, not the whole view.
  int FSelLow = INT_MAX;
  int FSelHigh = -1;
};
