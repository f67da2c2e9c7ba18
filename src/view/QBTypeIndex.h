#pragma once
// Per message type, which items of a view are rows: the index behind "the next (or previous) row of
// type T" for navigation and its enabling.
//
// A selection change asks whether a message of the navigation kind lies before and after the selected
// row; walking the view for that would make every key press linear in the view's size. So the view
// keeps, for every type it holds, the ascending list of its items of that type plus a row map over
// that list (TQBRowIndex: a bit per entry and a Fenwick tree), updated as rows appear and disappear.
// A query is a binary search in the type's list and a Fenwick descent: O(log n) whatever the distance
// to the match and however many matches lie hidden in collapsed methods on the way.
//
// Keys: every code from 100 up shares one list (a wanted code of 100 or more matches them all); every
// other code has its own. Costs: appending O(1) amortised; showing or hiding a range of k items
// O(min(k, types held) * log n); rebuilding after a deletion O(n).

#include "view/QBRowIndex.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class TQBTypeIndex {
public:
  // typeOf: the message type of an item; asked only for items already appended.
  explicit TQBTypeIndex(std::function<int32_t(int)> typeOf) : FTypeOf(std::move(typeOf)) {}

  void Clear();
  // Adds the next item (numbered by the count of items so far) with its type and row state.
  void Append(int32_t type, bool visible);
  // Replaces everything: item i has type types[i] and is a row when visible[i] is set.
  void Assign(const std::vector<int32_t>& types, const std::vector<uint8_t>& visible);
  // Items first..last (inclusive, all appended) become rows or stop being rows.
  void SetRange(int first, int last, bool visible);

  // The first row item at or after item whose type matches wanted; -1 when none.
  int NextMatch(int32_t wanted, int item) const;
  // The last row item at or before item whose type matches wanted; -1 when none.
  int PrevMatch(int32_t wanted, int item) const;
  // How many row items match wanted: O(1), for the overview bar's counts.
  int RowCount(int32_t wanted) const;

  // Whether a message of type matches a wanted code: exactly below 100, any custom code from 100 up.
  static bool TypeMatches(int32_t type, int32_t wanted) { return wanted < 100 ? type == wanted : type >= 100; }

private:
  struct TBucket {
    std::vector<int32_t> Items;  // ascending
    TQBRowIndex Rows;            // over positions in Items
  };
  static constexpr int32_t CustomKey = 100;
  static int32_t KeyOf(int32_t type) { return type >= CustomKey ? CustomKey : type; }
  const TBucket* Find(int32_t key) const;
  TBucket& Obtain(int32_t key);
  void SetItem(int item, bool visible);

  std::function<int32_t(int)> FTypeOf;
  // Codes 0..100 directly; anything below 0 by map (only a damaged log has such codes).
  std::vector<std::unique_ptr<TBucket>> FDirect;
  std::map<int32_t, TBucket> FOthers;
  std::vector<TBucket*> FUsed;
  int FItems = 0;
};
