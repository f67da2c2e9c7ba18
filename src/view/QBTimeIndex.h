#pragma once
// Finds the first item of a view whose time stamp is at or after a given one, for Go to Time.
//
// Logs are written in time order, mostly: several threads or programs writing into one log, or a
// clock set back, put some messages out of order. The index keeps, for every block of 1,024 items,
// the latest time stamp of that block and of all blocks before it (a running maximum). The running
// maximum never decreases, and the first item at or after a time is the first item whose running
// maximum reaches it; so a binary search over the blocks finds its block and a walk of that one block
// finds the item, in any order of the log. Cost: 8 bytes per block; a query O(log n + 1,024) once the
// index has caught up; catching up after appends costs the new items only, after a deletion (which
// the view's generation counter tells) the whole view once.

#include "view/QBViewRows.h"

#include <cstdint>
#include <vector>

class TQBTimeIndex {
public:
  explicit TQBTimeIndex(const TQBViewRows& rows) : FRows(rows) {}

  // The time stamp as one ordered number: day and millisecond of the day, as the log holds them.
  static int64_t Key(const TQBTimeStamp& ts) { return int64_t(ts.Date) * 86400000 + ts.Time; }

  // The first item (hidden in a collapsed method or not) whose time stamp is at or after key; -1 when
  // there is none.
  int FirstItemAtOrAfter(int64_t key);

private:
  static constexpr int BlockBits = 10;
  static constexpr int BlockSize = 1 << BlockBits;

  int64_t ItemKey(int item) const { return Key(FRows.MessageSet().At(FRows.ItemRecNo(item)).TimeStamp()); }
  // Brings the block maxima up to the view's items.
  void CatchUp();

  const TQBViewRows& FRows;
  std::vector<int64_t> FBlockMax;  // running maximum up to the end of each block
  int FIndexed = 0;                // items covered by FBlockMax
  uint64_t FGeneration = 0;        // the view's generation the index was built for
};
