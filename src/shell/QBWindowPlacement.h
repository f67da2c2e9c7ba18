#pragma once
// Where the stored window rectangle and splitter sizes put the window and its panes on this machine.

#include <QList>
#include <QRect>

#include <optional>

struct TQBPositionSettings;

namespace qbplacement {

// The stored normal rectangle (Left, Top, Right, Bottom; right and bottom exclusive). When its top-left
// corner lies on none of the monitors, for example after a monitor was unplugged, it moves to (0, 0)
// keeping its size, so the window never opens out of reach.
QRect NormalRect(const TQBPositionSettings& position, const QList<QRect>& monitors);

// A stored pane size v of at least 0 puts the splitter bar at total - v; below 0 the layout keeps its
// own bar position.
std::optional<int> SplitterBar(int total, int storedSize);
// The size stored for a bar at the given position.
inline int StoredSplitSize(int total, int bar) { return total - bar; }

}  // namespace qbplacement
