#include "model/QBMessageTypes.h"

namespace qbtypes {
namespace {

struct TTypeInfo {
  const char* ShortName;
  const char* StyleKey;  // nullptr: no style entry
};

constexpr TTypeInfo kTypes[BuiltInCount] = {
    {"Info", nullptr},  // the message font's own colour and style
    {"Warning", "Warning"},
    {"Error", "Error"},
    {"CheckPoint", "CheckPoint"},
    {"Object", "Object"},
    {"CompAsText", "ComponentAsText"},
    {"StringList", "StringList"},
    {"Property", nullptr},
    {"Note", "Note"},
    {"Enter", "EnterMethod"},
    {"Exit", "ExitMethod"},
    {"Separator", nullptr},
    {"InactSep", nullptr},
    {"Clear", nullptr},
    {"ScratchPad", nullptr},
    {"SaveLog", nullptr},
    {"Bitmap", "Bitmap"},
    {"TextFile", "TextFile"},
    {"Window", "Window"},
    {"Memory", "Memory"},
    {"MemStatus", "MemoryStatus"},
    {"Text", "CustomText"},
    {"Properties", "CustomProperties"},
    {"Reminder", "Reminder"},
    {"Level1", "Red"},
    {"Level2", "Orange"},
    {"Level3", "Yellow"},
    {"Level4", "Green"},
    {"Level5", "Blue"},
    {"Level6", "Indigo"},
    {"Level7", "Violet"},
    {"Color", "Color"},
    {"Registry", "Registry"},
    {"SysInfo", "SystemInfo"},
    {"VerInfo", "VersionInfo"},
    {"XmlData", "XmlData"},
    {"StackTrace", "StackTrace"},
    {"Exception", "Exception"},
    {"Table", "CustomTable"},
    {"ResetSep", nullptr},
    {"AppStrtSep", nullptr},
    {"Collection", "Collection"},
    {"CollapsedMethod", "CollapsedMethod"},
    {"ExitMethodCollapse", nullptr},
    {"Hierarchy", "CustomHierarchy"},
};

}  // namespace

QString ShortName(int32_t code) {
  return IsBuiltIn(code) ? QString::fromLatin1(kTypes[code].ShortName) : QString();
}

QString StyleKey(int32_t code) {
  return IsBuiltIn(code) && kTypes[code].StyleKey ? QString::fromLatin1(kTypes[code].StyleKey) : QString();
}

}  // namespace qbtypes
