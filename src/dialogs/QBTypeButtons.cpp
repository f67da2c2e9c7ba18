#include "dialogs/QBTypeButtons.h"

namespace {

// clang-format off
constexpr std::array<TQBTypeButton, qbtypebuttons::Count> kButtons{{
  {"Info", "Info Messages", 0, 0, 0, true},
  {"Note", "Notes", 8, 0, 1, true},
  {"Warning", "Warning Messages", 1, 0, 2, true},
  {"Error", "Error Messages", 2, 0, 3, true},
  {"Exception", "Exceptions", 37, 0, 4, true},
  {"Reminder", "Reminders", 23, 0, 5, true},
  {"CheckPoint", "Check Points", 3, 0, 6, true},
  {"Red", "Level 1 - Red", 24, 1, 0, true},
  {"Orange", "Level 2 - Orange", 25, 1, 1, true},
  {"Yellow", "Level 3 - Yellow", 26, 1, 2, true},
  {"Green", "Level 4 - Green", 27, 1, 3, true},
  {"Blue", "Level 5 - Blue", 28, 1, 4, true},
  {"Indigo", "Level 6 - Indigo", 29, 1, 5, true},
  {"Violet", "Level 7 - Violet", 30, 1, 6, true},
  {"StringList", "String Lists", 6, 2, 0, true},
  {"Object", "Objects", 4, 2, 1, true},
  {"CompAsText", "Components (as Text)", 5, 2, 2, true},
  {"Collection", "Collections", 41, 2, 3, true},
  {"Color", "Colors", 31, 2, 4, true},
  {"Bitmap", "Bitmaps", 16, 2, 5, true},
  {"TextFile", "Text Files", 17, 2, 6, true},
  {"Memory", "Memory", 19, 3, 0, true},
  {"MemoryStatus", "Memory Status", 20, 3, 1, true},
  {"Window", "Windows", 18, 3, 2, true},
  {"Registry", "Registry Entries", 32, 3, 3, true},
  {"SystemInfo", "System Information", 33, 3, 4, true},
  {"VersionInfo", "Version Information", 34, 3, 5, true},
  {"XML", "XML Data", 35, 3, 6, true},
  {"StackTrace", "Stack Traces", 36, 4, 0, true},
  {"EnterMethod", "Enter Methods", 9, 4, 1, true},
  {"ExitMethod", "Exit Methods", 10, 4, 2, true},
  {"Separator", "Separators", 11, 4, 3, false},
  {"InactiveSeparator", "Inactive Separators", 12, 4, 4, false},
  {"ResetSeparator", "Reset Indent Separators", 39, 4, 5, false},
  {"AppStartSeparator", "Application Start Separators", 40, 4, 6, false},
  {"CustomText", "Custom Formats (Text)", 21, 0, 7, true},
  {"CustomProperties", "Custom Format (Properties)", 22, 1, 7, true},
  {"CustomTable", "Custom Format (Table)", 38, 2, 7, true},
  {"CustomHierarchy", "Custom Format (Hierarchy)", 44, 3, 7, true},
  {"Custom", "Custom Messages", 100, 4, 7, true},
}};
// clang-format on

}  // namespace

namespace qbtypebuttons {

const std::array<TQBTypeButton, Count>& Buttons() { return kButtons; }

}  // namespace qbtypebuttons
