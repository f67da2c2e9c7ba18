#pragma once
// The entries of the navigation kind list: the forty kinds a user can step through (each a message
// type code), then "Automatic" and "Time Difference". One table drives the commands, the three-column
// menu, the reverse map from a type code to its kind and the tests.

#include <array>
#include <cstdint>
#include <span>

struct TQBNavEntry {
  const char* Name;     // the command's object name, "actNavInfo"
  const char* Caption;  // "Info Messages"
  int Tag;              // the command's tag: the kind's position, -1 for Automatic, 0 for Time Difference
  int32_t Code;         // the message type code navigated to; -1 for Automatic and Time Difference
};

namespace qbnav {

// Entries 0..39 are the kinds in tag order; then the two toggles.
inline constexpr int KindCount = 40;
inline constexpr int AutomaticEntry = 40;
inline constexpr int TimeDiffEntry = 41;
inline constexpr int EntryCount = 42;
// The kind every custom code (100 and above) belongs to.
inline constexpr int CustomKind = 39;

const std::array<TQBNavEntry, EntryCount>& Entries();
inline const TQBNavEntry& Entry(int entry) { return Entries()[size_t(entry)]; }

// The kind entry of a type code, -1 when the code has none (7, 13, 14, 15, 42, 43, 45..99, negative).
int KindOfCode(int32_t code);

// The navigation menu's three columns, entries top to bottom.
std::span<const int> MenuColumn(int column);
inline constexpr int MenuColumnCount = 3;

// "Browse for " followed by a caption: the drop-down button's tooltip.
inline constexpr const char* BrowseForPrefix = "Browse for ";
// The caption of Time Difference until its mode is first set, and the format once it is.
inline constexpr const char* TimeDiffFormat = "Time Difference (%1 ms)";

}  // namespace qbnav
