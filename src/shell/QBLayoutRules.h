#pragma once
// The rules of the column and window position commands, apart from the widgets they change.

#include "shell/QBCommandIds.h"

#include <QRect>

#include <cstdint>
#include <optional>

// Which panes the client area shows and where the inspector pane sits.
struct TQBPaneFlags {
  bool Inspector = false;
  bool CallStack = false;
  bool InspectorOnBottom = false;
  bool FullSize = false;
  bool DetailPanel = false;
  bool Timeline = false;
  friend bool operator==(const TQBPaneFlags&, const TQBPaneFlags&) = default;
};

namespace qblayout {

// The column flags after a column command: the six detail columns toggle, the three time columns are
// exclusive, Message Only clears all nine, All Details sets the seven from Category to Time Stamp.
// Bits outside the nine columns are kept.
uint16_t ApplyColumnCommand(uint16_t columns, TQBCmd cmd);

// The window rectangle a position command gives, on the monitor rectangle (right and bottom exclusive)
// for a window of the given size; nothing for a command that is no position command.
std::optional<QRect> PositionRect(TQBCmd cmd, const QRect& monitor, const QSize& window);

}  // namespace qblayout
