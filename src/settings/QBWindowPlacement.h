#pragma once
// Where the stored window rectangle and splitter sizes put the window and its panes on this machine.

#include <QList>
#include <QRect>

#include <optional>

struct TQBPositionSettings;

namespace qbplacement {

// The smallest window the stored rectangle can give, and the largest extent without a monitor.
inline constexpr int MinWidth = 200, MinHeight = 150, MaxExtent = 16384;
// What each side of a splitter keeps at least (half the total when that is less).
inline constexpr int MinPane = 40;

// The stored normal rectangle (Left, Top, Right, Bottom; right and bottom exclusive). When its top-left
// corner lies on none of the monitors, for example after a monitor was unplugged, it moves to (0, 0)
// keeping its size, so the window never opens out of reach. Whatever the file holds, the result is a
// usable window: its size is at least MinWidth x MinHeight and at most its monitor's, and it lies on
// that monitor (moved left and up where it would reach past the edges). Computed without overflow for
// any 32-bit values.
QRect NormalRect(const TQBPositionSettings& position, const QList<QRect>& monitors);

// The window of a first start, when no settings file exists: two thirds of the screen's free area
// (without panels and docks) each way, centred on it. The settings' default rectangle is made for a
// screen of another age and shows a handful of rows.
QRect FirstStartRect(const QRect& available);

// A stored pane size v of at least 0 puts the splitter bar at total - v; below 0 the layout keeps its
// own bar position. The bar stays at least MinPane (or half the total) away from either end.
std::optional<int> SplitterBar(int total, int storedSize);
// The size stored for a bar at the given position.
inline int StoredSplitSize(int total, int bar) { return total - bar; }

}  // namespace qbplacement
