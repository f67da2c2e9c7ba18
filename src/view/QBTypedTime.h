#pragma once
// Reading back a time stamp that a person typed or pasted as the viewer shows one.

#include <quillbox/QuillboxTypes.h>

#include <QString>

#include <cstdint>

namespace qbtimetext {

// The time stamp in text, which may be:
// - "yyyy-MM-dd hh:mm:ss.zzz", as the Go to Time field shows it ("T" may stand for the blank);
// - the user's short date and a time, as the Date and Time Stamp columns show them;
// - a time alone, as the Time Stamp column shows it, on the given day.
// The time is "h:mm", "h:mm:ss" or "h:mm:ss.z" with 1 to 3 digits of the second's fraction; 24:00
// (the end of a day, which a record may hold) is the next day's start. Blanks around the parts are
// ignored. False when the text is none of these or the day lies outside the dates a log may hold.
bool ReadTimeStamp(const QString& text, int32_t day, TQBTimeStamp& stamp);

}  // namespace qbtimetext
