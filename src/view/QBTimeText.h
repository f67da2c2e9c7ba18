#pragma once
// Texts of the date and time columns: the time stamp, the difference to the row before and the offset
// from the first row.

#include "view/QBViewRows.h"

#include <quillbox/QuillboxTypes.h>

#include <QString>

#include <cstdint>

namespace qbtimetext {

// "h:nn:ss.zzz": 24-hour, the hour without a leading zero.
QString TimeOfDay(int32_t ms);
// The day in the user's short date format.
QString ShortDate(int32_t dayNumber);
// Milliseconds from ref to ts, in 64 bits (gaps of weeks do not overflow).
int64_t DiffMs(const TQBTimeStamp& ts, const TQBTimeStamp& ref);
// "%d:%.2d:%.2d.%.3d" with whole days dropped; "xx:xx:xx.xxx" when negative.
QString Duration(int64_t ms);

// The time difference of an item to the one before it: for a row the row above (one inactive separator
// above is stepped over); for an item hidden in a collapsed method the item before it. Row 0 has 0.
QString TimeDiffOfItem(const TQBViewRows& rows, int item);
// The offset of an item from the view's first row.
QString TimeOffsetOfItem(const TQBViewRows& rows, int item);

}  // namespace qbtimetext
