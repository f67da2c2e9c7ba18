#pragma once
// The one table of message type codes: short names, style keys, icon numbers and the groups that
// nesting, drawing, navigation, export and the editing commands act on.

#include <QString>

#include <cstdint>

enum TQBMsgType : int32_t {
  qbmInfo = 0,
  qbmWarning = 1,
  qbmError = 2,
  qbmCheckPoint = 3,
  qbmObject = 4,
  qbmComponentAsText = 5,
  qbmStringList = 6,
  qbmProperty = 7,
  qbmNote = 8,
  qbmEnterMethod = 9,
  qbmExitMethod = 10,
  qbmSeparator = 11,
  qbmInactiveSeparator = 12,
  qbmClear = 13,
  qbmScratchPad = 14,
  qbmSaveLog = 15,
  qbmBitmap = 16,
  qbmTextFile = 17,
  qbmWindow = 18,
  qbmMemory = 19,
  qbmMemoryStatus = 20,
  qbmCustomText = 21,
  qbmCustomProperties = 22,
  qbmReminder = 23,
  qbmLevel1 = 24,
  qbmLevel2 = 25,
  qbmLevel3 = 26,
  qbmLevel4 = 27,
  qbmLevel5 = 28,
  qbmLevel6 = 29,
  qbmLevel7 = 30,
  qbmColor = 31,
  qbmRegistry = 32,
  qbmSystemInfo = 33,
  qbmVersionInfo = 34,
  qbmXmlData = 35,
  qbmStackTrace = 36,
  qbmException = 37,
  qbmCustomTable = 38,
  qbmResetSeparator = 39,
  qbmAppStartSeparator = 40,
  qbmCollection = 41,
  qbmCollapsedMethod = 42,
  qbmExitMethodCollapse = 43,
  qbmCustomHierarchy = 44,
  qbmFirstCustom = 100,
};

namespace qbtypes {

inline constexpr int BuiltInCount = 45;     // codes 0..44
inline constexpr int IconCount = 46;        // one icon per built-in code, then the custom icon
inline constexpr int CustomIconIndex = 45;  // the icon of every code from 100 up

constexpr bool IsBuiltIn(int32_t code) { return code >= 0 && code < BuiltInCount; }
constexpr bool IsCustom(int32_t code) { return code >= qbmFirstCustom; }

// The short name the exports write ("Info", "Warning", ...); empty outside 0..44.
QString ShortName(int32_t code);
// The name of the type's constant for plug-in authors ("qbmInfo", "qbmLevel1 / qbmRed"); empty for the
// codes that have none (7, 15, 43) and outside 0..44.
QString Symbol(int32_t code);
// The key of the type's entry in the "FontStyles" settings section; empty when the type has none.
QString StyleKey(int32_t code);
// Index into the message icon list: the code for 0..44, CustomIconIndex from 100 up, -1 for 45..99.
constexpr int IconIndex(int32_t code) {
  return IsBuiltIn(code) ? int(code) : IsCustom(code) ? CustomIconIndex : -1;
}

// Groups.
constexpr bool OpensMethod(int32_t code) { return code == qbmEnterMethod; }
constexpr bool ClosesMethod(int32_t code) { return code == qbmExitMethod || code == qbmExitMethodCollapse; }
constexpr bool IsSeparator(int32_t code) {
  return code == qbmSeparator || code == qbmInactiveSeparator || code == qbmResetSeparator ||
         code == qbmAppStartSeparator;
}
constexpr bool IsUserAnnotation(int32_t code) {
  return code == qbmCheckPoint || code == qbmNote || code == qbmSeparator || code == qbmResetSeparator;
}
constexpr bool IsColourLevel(int32_t code) { return code >= qbmLevel1 && code <= qbmLevel7; }
// Application start separators are neither saved nor exported.
constexpr bool IsWritten(int32_t code) { return code != qbmAppStartSeparator; }

}  // namespace qbtypes
