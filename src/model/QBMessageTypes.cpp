#include "model/QBMessageTypes.h"

namespace qbtypes {
namespace {

struct TTypeInfo {
  const char* ShortName;
  const char* StyleKey;  // nullptr: no style entry
  const char* Symbol;    // the constant's name that plug-in authors use; nullptr: none
};

constexpr TTypeInfo kTypes[BuiltInCount] = {
    {"Info", nullptr, "qbmInfo"},  // the message font's own colour and style
    {"Warning", "Warning", "qbmWarning"},
    {"Error", "Error", "qbmError"},
    {"CheckPoint", "CheckPoint", "qbmCheckPoint"},
    {"Object", "Object", "qbmObject"},
    {"CompAsText", "ComponentAsText", "qbmComponentAsText"},
    {"StringList", "StringList", "qbmStringList"},
    {"Property", nullptr, nullptr},
    {"Note", "Note", "qbmNote"},
    {"Enter", "EnterMethod", "qbmEnterMethod"},
    {"Exit", "ExitMethod", "qbmExitMethod"},
    {"Separator", nullptr, "qbmSeparator"},
    {"InactSep", nullptr, "qbmInactiveSeparator"},
    {"Clear", nullptr, "qbmClear"},
    {"ScratchPad", nullptr, "qbmScratchPad"},
    {"SaveLog", nullptr, nullptr},
    {"Bitmap", "Bitmap", "qbmBitmap"},
    {"TextFile", "TextFile", "qbmTextFile"},
    {"Window", "Window", "qbmWindow"},
    {"Memory", "Memory", "qbmMemory"},
    {"MemStatus", "MemoryStatus", "qbmMemoryStatus"},
    {"Text", "CustomText", "qbmCustomText"},
    {"Properties", "CustomProperties", "qbmCustomProperties"},
    {"Reminder", "Reminder", "qbmReminder"},
    {"Level1", "Red", "qbmLevel1 / qbmRed"},
    {"Level2", "Orange", "qbmLevel2 / qbmOrange"},
    {"Level3", "Yellow", "qbmLevel3 / qbmYellow"},
    {"Level4", "Green", "qbmLevel4 / qbmGreen"},
    {"Level5", "Blue", "qbmLevel5 / qbmBlue"},
    {"Level6", "Indigo", "qbmLevel6 / qbmIndigo"},
    {"Level7", "Violet", "qbmLevel7 / qbmViolet"},
    {"Color", "Color", "qbmColor"},
    {"Registry", "Registry", "qbmRegistry"},
    {"SysInfo", "SystemInfo", "qbmSystemInfo"},
    {"VerInfo", "VersionInfo", "qbmVersionInfo"},
    {"XmlData", "XmlData", "qbmXmlData"},
    {"StackTrace", "StackTrace", "qbmStackTrace"},
    {"Exception", "Exception", "qbmException"},
    {"Table", "CustomTable", "qbmCustomTable"},
    {"ResetSep", nullptr, "qbmResetSeparator"},
    {"AppStrtSep", nullptr, "qbmAppStartSeparator"},
    {"Collection", "Collection", "qbmCollection"},
    {"CollapsedMethod", "CollapsedMethod", "qbmCollapsedMethod"},
    {"ExitMethodCollapse", nullptr, nullptr},
    {"Hierarchy", "CustomHierarchy", "qbmCustomHierarchy"},
};

}  // namespace

QString ShortName(int32_t code) {
  return IsBuiltIn(code) ? QString::fromLatin1(kTypes[code].ShortName) : QString();
}

QString Symbol(int32_t code) {
  return IsBuiltIn(code) && kTypes[code].Symbol ? QString::fromLatin1(kTypes[code].Symbol) : QString();
}

QString StyleKey(int32_t code) {
  return IsBuiltIn(code) && kTypes[code].StyleKey ? QString::fromLatin1(kTypes[code].StyleKey) : QString();
}

}  // namespace qbtypes
