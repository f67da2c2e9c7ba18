#pragma once
// The filter record of a view: eight criteria, each with its own switch, and its stored form in a
// settings section.

#include <quillbox/QBSettingsIntf.h>
#include <quillbox/QuillboxTypes.h>

#include <QString>

#include <bitset>
#include <cstdint>

// A span of time stamps, both ends included, compared as the Date and Time Stamp columns show them.
struct TQBTimeRange {
  TQBTimeStamp From;
  TQBTimeStamp To;
  friend bool operator==(const TQBTimeRange&, const TQBTimeRange&) = default;
};

struct TQBFilterCriteria {
  bool CheckAppName = false;
  QString AppName;
  bool CheckCategory = false;
  QString Category;
  bool CheckProcessID = false;
  int32_t ProcessID = 0;
  bool CheckThreadName = false;
  QString ThreadName;
  bool CheckComputerName = false;
  QString ComputerName;
  bool CheckMessageText = false;
  QString MessageText;
  bool CheckMsgTypes = false;
  std::bitset<256> MsgTypes;  // accepted type codes 0..255
  bool CheckTimeRange = false;
  TQBTimeRange TimeRange;

  friend bool operator==(const TQBFilterCriteria&, const TQBFilterCriteria&) = default;
};

namespace qbfilter {

// Equal texts when ASCII letters are folded; every other character must be identical.
bool SameTextAscii(QStringView a, QStringView b);

// The 46-character stored form of a type set: codes 0..44, then code 100.
QString EncodeMsgTypes(const std::bitset<256>& types);
// Reads a stored type set of any length: characters 1..N-1 are codes 0..N-2 (up to 255), the last
// character is code 100.
std::bitset<256> DecodeMsgTypes(const QString& text);

// A time stamp as stored: "yyyy-MM-dd hh:mm:ss.zzz"; reading gives false for any other text.
QString TimeStampText(const TQBTimeStamp& ts);
bool ReadStoredTimeStamp(const QString& text, TQBTimeStamp& ts);

// Writes the switches, and each value whose switch is on, into the writer's current section. The time
// range, which came later than the others, is written only when it is on, so a view without one is
// stored exactly as before and a reader that knows nothing of it skips its keys.
void SaveFilter(const TQBFilterCriteria& criteria, IQBSettingsWriter& writer);
// Reads a record from the reader's current section; missing or unreadable keys give the defaults.
TQBFilterCriteria LoadFilter(const IQBSettingsReader& reader);

}  // namespace qbfilter
