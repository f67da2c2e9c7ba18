#include "shell/QBWindowPlacement.h"

#include "shell/QBSettings.h"

#include <algorithm>

namespace qbplacement {

QRect NormalRect(const TQBPositionSettings& position, const QList<QRect>& monitors) {
  const QPoint topLeft(position.Left, position.Top);
  const QSize size(position.Right - position.Left, position.Bottom - position.Top);
  const bool visible =
      std::any_of(monitors.begin(), monitors.end(), [&](const QRect& m) { return m.contains(topLeft); });
  return QRect(visible ? topLeft : QPoint(0, 0), size);
}

std::optional<int> SplitterBar(int total, int storedSize) {
  if (storedSize < 0) return std::nullopt;
  return total - storedSize;
}

}  // namespace qbplacement
