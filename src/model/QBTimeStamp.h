#pragma once
// Day numbers (1 = 1 January of year 1) and their calendar dates.

#include <quillbox/QuillboxTypes.h>

#include <QDate>
#include <QDateTime>
#include <QString>

namespace qbtime {

inline constexpr int32_t MsPerDay = 86400000;
// The range of dates a log record may carry: 3 September 1999 to 9 August 2099.
inline constexpr int32_t FirstValidDay = 730000;
inline constexpr int32_t LastValidDay = 766500;
inline constexpr int32_t MaxBias = 1440;

QDate DateOfDay(int32_t dayNumber);
int32_t DayOf(const QDate& date);
// "yyyy-MM-dd hh:mm:ss.zzz"
QString FormatTimeStamp(const TQBTimeStamp& ts);

// A time stamp as a date and time of the writer's clock (kept as UTC, which has no daylight-saving
// gaps to move a time across), and back. The end of a day (Time 86,400,000) is the next day's start.
QDateTime DateTimeOf(const TQBTimeStamp& ts);
TQBTimeStamp TimeStampOf(const QDateTime& dateTime);

}  // namespace qbtime
