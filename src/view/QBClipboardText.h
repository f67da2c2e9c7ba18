#pragma once
// The text that copying a view's selected messages puts on the clipboard.

#include "view/QBViewRows.h"

#include <QString>

#include <optional>

// One line per selected item (hidden bodies of collapsed methods included), indented by two spaces per
// level. A single line is trimmed of surrounding spaces and control characters and has no line break;
// several lines each end in CR LF. No selected item: nothing (the clipboard stays as it is).
std::optional<QString> ClipboardTextOf(const TQBViewRows& rows);
