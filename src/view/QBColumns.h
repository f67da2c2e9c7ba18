#pragma once
// The detail columns of a view. At most one time column shows: the time stamp wins over the difference
// and the difference over the offset. Log, the newest, shows before the others: it names the file a
// message of merged logs came from.

#include <cstdint>
#include <initializer_list>

enum class TQBColumn : uint16_t {
  Category = 1 << 0,
  AppName = 1 << 1,
  ComputerName = 1 << 2,
  ProcessID = 1 << 3,
  ThreadName = 1 << 4,
  Date = 1 << 5,
  TimeStamp = 1 << 6,
  TimeDiff = 1 << 7,
  TimeOffset = 1 << 8,
  Log = 1 << 9,
};

using TQBColumnSet = uint16_t;

// The same flags as plain set values, for code that combines them (settings, commands).
inline constexpr TQBColumnSet colCategory = TQBColumnSet(TQBColumn::Category);
inline constexpr TQBColumnSet colAppName = TQBColumnSet(TQBColumn::AppName);
inline constexpr TQBColumnSet colComputerName = TQBColumnSet(TQBColumn::ComputerName);
inline constexpr TQBColumnSet colProcessID = TQBColumnSet(TQBColumn::ProcessID);
inline constexpr TQBColumnSet colThreadName = TQBColumnSet(TQBColumn::ThreadName);
inline constexpr TQBColumnSet colDate = TQBColumnSet(TQBColumn::Date);
inline constexpr TQBColumnSet colTimeStamp = TQBColumnSet(TQBColumn::TimeStamp);
inline constexpr TQBColumnSet colTimeDiff = TQBColumnSet(TQBColumn::TimeDiff);
inline constexpr TQBColumnSet colTimeOffset = TQBColumnSet(TQBColumn::TimeOffset);
inline constexpr TQBColumnSet colLog = TQBColumnSet(TQBColumn::Log);
// Every column flag: Message Only clears them all.
inline constexpr TQBColumnSet colAllColumns = 0x3FF;

constexpr bool HasColumn(TQBColumnSet set, TQBColumn c) { return (set & uint16_t(c)) != 0; }

// The time column that shows for a column set, or 0 when none.
constexpr TQBColumnSet TimeColumnOf(TQBColumnSet set) {
  for (TQBColumn c : {TQBColumn::TimeStamp, TQBColumn::TimeDiff, TQBColumn::TimeOffset})
    if (HasColumn(set, c)) return uint16_t(c);
  return 0;
}
