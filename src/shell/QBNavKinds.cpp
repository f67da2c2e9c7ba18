#include "shell/QBNavKinds.h"

namespace {

// clang-format off
constexpr std::array<TQBNavEntry, qbnav::EntryCount> kEntries{{
  {"actNavInfo", "Info Messages", 0, 0},
  {"actNavNotes", "Notes", 1, 8},
  {"actNavWarning", "Warning Messages", 2, 1},
  {"actNavError", "Error Messages", 3, 2},
  {"actNavException", "Exceptions", 4, 37},
  {"actNavRed", "Level 1 - Red", 5, 24},
  {"actNavOrange", "Level 2 - Orange", 6, 25},
  {"actNavYellow", "Level 3 - Yellow", 7, 26},
  {"actNavGreen", "Level 4 - Green", 8, 27},
  {"actNavBlue", "Level 5 - Blue", 9, 28},
  {"actNavIndigo", "Level 6 - Indigo", 10, 29},
  {"actNavViolet", "Level 7 - Violet", 11, 30},
  {"actNavReminders", "Reminders", 12, 23},
  {"actNavCheckPoints", "Check Points", 13, 3},
  {"actNavStringLists", "String Lists", 14, 6},
  {"actNavObjects", "Objects", 15, 4},
  {"actNavCompAsText", "Components (as Text)", 16, 5},
  {"actNavColor", "Colors", 17, 31},
  {"actNavBitmaps", "Bitmaps", 18, 16},
  {"actNavTextFiles", "Text Files", 19, 17},
  {"actNavMemory", "Memory", 20, 19},
  {"actNavMemoryStatus", "Memory Status", 21, 20},
  {"actNavWindows", "Windows", 22, 18},
  {"actNavRegistry", "Registry Messages", 23, 32},
  {"actNavSystemInfo", "System Information", 24, 33},
  {"actNavVersionInfo", "Version Information", 25, 34},
  {"actNavXML", "XML Data", 26, 35},
  {"actNavCollection", "Collections", 27, 41},
  {"actNavStackTrace", "Stack Traces", 28, 36},
  {"actNavEnterMethod", "Enter Method", 29, 9},
  {"actNavExitMethod", "Exit Method", 30, 10},
  {"actNavSeparator", "Separator", 31, 11},
  {"actNavInactiveSeparator", "Inactive Separator", 32, 12},
  {"actNavResetSeparator", "Reset Indent Separator", 33, 39},
  {"actNavAppStartSeparator", "Application Start Separator", 34, 40},
  {"actNavCustomText", "Custom Format (Text)", 35, 21},
  {"actNavCustomProperties", "Custom Format (Properties)", 36, 22},
  {"actNavCustomTable", "Custom Format (Table)", 37, 38},
  {"actNavCustomHierarchy", "Custom Format (Hierarchy)", 38, 44},
  {"actNavCustom", "Custom Messages", 39, 100},
  {"actNavAutomatic", "Automatic", -1, -1},
  {"actNavTimeDiff", "Time Difference", 0, -1},
}};

// Entry numbers by column; they are the kinds' tags, then the two toggles.
constexpr int kColumn1[] = {0, 1, 2, 3, 4, 12, 13, 5, 6, 7, 8, 9, 10, 11};
constexpr int kColumn2[] = {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
constexpr int kColumn3[] = {28, 29, 30, 31, 34, 32, 33, 35, 36, 37, 38, 39,
                            qbnav::AutomaticEntry, qbnav::TimeDiffEntry};
// clang-format on

// A kind's entry number is its tag: the reverse map and the menu rely on it.
constexpr bool TagsInOrder() {
  for (int i = 0; i < qbnav::KindCount; ++i)
    if (kEntries[size_t(i)].Tag != i) return false;
  return true;
}
static_assert(TagsInOrder(), "navigation kinds must be listed in tag order");

}  // namespace

namespace qbnav {

const std::array<TQBNavEntry, EntryCount>& Entries() { return kEntries; }

int KindOfCode(int32_t code) {
  if (code >= 100) return CustomKind;
  for (int i = 0; i < KindCount; ++i)
    if (kEntries[size_t(i)].Code == code) return i;
  return -1;
}

std::span<const int> MenuColumn(int column) {
  switch (column) {
    case 0: return kColumn1;
    case 1: return kColumn2;
    default: return kColumn3;
  }
}

}  // namespace qbnav
