#pragma once
// The filter record of a view: seven criteria, each with its own switch, and its stored form in a
// settings section.

#include <quillbox/QBSettingsIntf.h>

#include <QString>

#include <bitset>
#include <cstdint>

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

// Writes the switches, and each value whose switch is on, into the writer's current section.
void SaveFilter(const TQBFilterCriteria& criteria, IQBSettingsWriter& writer);
// Reads a record from the reader's current section; missing or unreadable keys give the defaults.
TQBFilterCriteria LoadFilter(const IQBSettingsReader& reader);

}  // namespace qbfilter
