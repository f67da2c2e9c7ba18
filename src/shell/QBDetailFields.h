#pragma once
// The eight fields of the message detail panel: their labels, value panes and alignment, and the values
// a message gives them.

#include <quillbox/QuillboxMessageSet.h>

#include <QString>

#include <array>

struct TQBDetailField {
  const char* Label;    // "Category"
  const char* Pane;     // the value pane's object name, "stsCategory"
  bool RightAligned;    // PID, Thread, Date and TimeStamp
};

namespace qbdetail {

inline constexpr int FieldCount = 8;
const std::array<TQBDetailField, FieldCount>& Fields();

// The values of a message in field order: category, type name, application, computer, process ID in
// decimal, thread, the date in the short date format and the time "h:nn:ss.zzz".
std::array<QString, FieldCount> ValuesOf(const TQBMessageRef& message);

}  // namespace qbdetail
