#pragma once
// The ten bookmarks of a view. They hold record numbers, not rows, so they survive collapsing,
// expanding and deleting of other rows.

#include <array>
#include <cstddef>

class TQBBookmarks {
public:
  static constexpr int Count = 10;

  TQBBookmarks() { Clear(); }
  void Clear() { FRecNos.fill(-1); }
  // The record number of bookmark n, -1 when unset or n is out of range.
  int Get(int n) const { return Valid(n) ? FRecNos[size_t(n)] : -1; }
  // Unsets bookmark n when it is on recNo already, else moves it there.
  void Toggle(int n, int recNo) {
    if (Valid(n)) FRecNos[size_t(n)] = FRecNos[size_t(n)] == recNo ? -1 : recNo;
  }
  // The lowest bookmark on recNo, -1 when none (the bookmark icon a row shows).
  int LowestOn(int recNo) const {
    for (int n = 0; n < Count; ++n)
      if (FRecNos[size_t(n)] == recNo) return n;
    return -1;
  }

private:
  static bool Valid(int n) { return n >= 0 && n < Count; }
  std::array<int, Count> FRecNos;
};
