#pragma once
// Which items of a view are visible rows, for views of millions of items.
//
// The row map is a bit per item (1 = the item has a row) plus a Fenwick tree over the population counts
// of the 64-bit words. Row number -> item and item -> row number are O(log n); hiding or showing a
// range of k items costs O(k / 64 + log n) per touched word; appending an item is O(1) amortised (a
// point update of the last word touches one tree node). Rows stay in item order, so "strictly
// increasing" holds by construction and no collapse or deletion ever shifts a long array.

#include <cstddef>
#include <cstdint>
#include <vector>

class TQBRowIndex {
public:
  void Clear();
  // Adds one item at the end.
  void Append(bool visible);
  // Replaces the whole map (after items were removed).
  void Assign(const std::vector<uint8_t>& visible);

  int ItemCount() const { return FItems; }
  int RowCount() const { return FRows; }
  bool IsVisible(int item) const { return (FWords[size_t(item) >> 6] >> (item & 63)) & 1u; }

  // Shows or hides items first..last (inclusive); returns how many changed.
  int SetRange(int first, int last, bool visible);
  // Shows or hides items first..last and returns the number changed; same as SetRange for one item.
  int Set(int item, bool visible) { return SetRange(item, item, visible); }

  // The item shown in a row; row must be in 0..RowCount()-1.
  int ItemOfRow(int row) const;
  // The number of visible items before item: the row of item when it is visible. Any item from
  // ItemCount() on counts every row.
  int RowsBefore(int item) const;
  // The first visible item at or after item, -1 when none.
  int NextVisible(int item) const;
  // The last visible item at or before item, -1 when none.
  int PrevVisible(int item) const;

private:
  int64_t PrefixWords(int words) const;  // visible items in the first `words` words
  void AddToWord(int word, int delta);
  void AppendWord(uint64_t bits);

  std::vector<uint64_t> FWords;
  std::vector<int32_t> FTree;  // 1-based Fenwick tree over popcount(FWords[i])
  int FItems = 0;
  int FRows = 0;
};
