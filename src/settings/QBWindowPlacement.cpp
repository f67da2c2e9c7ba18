#include "settings/QBWindowPlacement.h"

#include "settings/QBSettings.h"

#include <algorithm>
#include <cstdint>

namespace qbplacement {

namespace {

// The monitor whose area holds the point; null when none does.
const QRect* MonitorAt(const QList<QRect>& monitors, const QPoint& point) {
  const auto found = std::find_if(monitors.begin(), monitors.end(), [&](const QRect& m) { return m.contains(point); });
  return found == monitors.end() ? nullptr : &*found;
}

// A stored extent in 64 bits (the difference of two 32-bit values always fits there), clamped to
// what a window can have on a monitor of the given extent.
int ClampedExtent(int64_t stored, int minimum, int monitor) {
  return int(std::clamp<int64_t>(stored, minimum, std::max(minimum, monitor)));
}

}  // namespace

QRect NormalRect(const TQBPositionSettings& position, const QList<QRect>& monitors) {
  QPoint topLeft(position.Left, position.Top);
  const QRect* monitor = MonitorAt(monitors, topLeft);
  if (!monitor) {
    topLeft = {0, 0};
    monitor = MonitorAt(monitors, topLeft);
  }
  // Without a monitor to go by (none reported), the largest size any monitor could have.
  const QRect area = monitor ? *monitor : QRect(0, 0, MaxExtent, MaxExtent);
  const int width = ClampedExtent(int64_t(position.Right) - position.Left, MinWidth, area.width());
  const int height = ClampedExtent(int64_t(position.Bottom) - position.Top, MinHeight, area.height());
  // The whole window on its monitor where it fits, so its title bar and edges can be reached.
  topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.left() + area.width() - width)));
  topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.top() + area.height() - height)));
  return {topLeft, QSize(width, height)};
}

QRect FirstStartRect(const QRect& available) {
  const QSize size(available.width() * 2 / 3, available.height() * 2 / 3);
  const QPoint topLeft(available.left() + (available.width() - size.width()) / 2,
                       available.top() + (available.height() - size.height()) / 2);
  return QRect(topLeft, size);
}

std::optional<int> SplitterBar(int total, int storedSize) {
  if (storedSize < 0 || total <= 0) return std::nullopt;
  // Each side keeps some room, so no stored size can hide the message list or the pane beside it.
  const int64_t keep = std::min(MinPane, total / 2);
  return int(std::clamp<int64_t>(int64_t(total) - storedSize, keep, total - keep));
}

}  // namespace qbplacement
