#pragma once
// What the options dialog edits, as one record: copied from the settings when the dialog opens, changed
// only in the dialog's copy, and handed back on OK (TQBOptionsCommands). Also the fixed list of message
// types whose styles the dialog edits, and the rule that keeps style entry 0 on the message font.

#include "settings/QBColumnChoice.h"
#include "settings/QBSettings.h"

#include <quillbox/QBTypeStyle.h>

#include <array>
#include <cstdint>

struct TQBOptionsValues {
  // Page "General".
  bool ConfirmOnClear = true;
  bool ConfirmOnClearBookmarks = true;
  bool AutoSaveProject = true;
  bool AutoCollapse = true;
  bool FlattenStructure = false;
  int32_t ValueColor = 0;
  int32_t MarkerColor = 0;
  int32_t SyncMsgColor = 0;
  bool RowShading = true;
  int32_t RowShadingColor = 0;
  // Page "Columns".
  TQBColumnChoice Columns;
  // Page "Layout".
  bool Inspector = false;
  bool CallStack = false;
  bool DetailPanel = false;
  bool WrapButtons = false;
  bool AlwaysOnTop = false;
  bool InspectorOnBottom = false;
  // Page "Separators".
  int32_t SeparatorColor = 0;
  // Pages "Fonts" and "Colors & Styles".
  TQBFontSettings MessageFont;
  TQBFontSettings InspectorFont;
  TQBFontSettings InspectorFixedFont;
  TQBFontStyles Styles;

  // The values as the settings hold them now; style entry 0 already mirrors the message font.
  static TQBOptionsValues Of(const TQBSettings& settings);
  // Entry 0 of the style table takes the message font's colour and style (the Info type is drawn in
  // the message font).
  void MirrorMessageFont() { Styles.FollowMessageFont(MessageFont); }

  friend bool operator==(const TQBOptionsValues&, const TQBOptionsValues&) = default;
};

// The message types of the "Colors && Styles" page, in list order (left column, then right column).
struct TQBStyleListEntry {
  const char* Caption;
  int32_t Type;
};
extern const std::array<TQBStyleListEntry, 34> StyleListEntries;

// The font kinds of the "Fonts" page, in list order.
enum class TQBFontKind { Message, Inspector, InspectorFixed };
inline constexpr const char* FontKindCaptions[] = {"Message", "Inspector", "Inspector Fixed"};
