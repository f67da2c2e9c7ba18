#pragma once
// The inspectors' own options that the settings file keeps (section "Display"): word wrap, line
// numbers and jump-to-end of the text inspectors and the bitmap inspector's display mode. The window's
// display settings embed this record, so the inspectors need nothing of the settings file itself.

#include <cstdint>

struct TQBInspectorOptions {
  bool StringWordWrap = true;
  bool StringLineNumbers = false;
  bool TextWordWrap = false;
  bool TextJumpToEnd = false;
  bool TextLineNumbers = false;
  bool StrListJumpToEnd = false;
  bool MonospaceTextLineNumbers = false;
  int32_t DisplayType = 1;  // 0 "Scale", 1 "Full Size", 2 "Stretch"
  friend bool operator==(const TQBInspectorOptions&, const TQBInspectorOptions&) = default;
};
