#include "shell/QBLayoutRules.h"

#include "settings/QBSettings.h"

namespace qblayout {

namespace {

constexpr uint16_t kTimeColumns = colTimeStamp | colTimeDiff | colTimeOffset;

std::optional<uint16_t> ToggledColumn(TQBCmd cmd) {
  switch (cmd) {
    case TQBCmd::ViewCategory: return colCategory;
    case TQBCmd::ViewAppName: return colAppName;
    case TQBCmd::ViewComputerName: return colComputerName;
    case TQBCmd::ViewProcessID: return colProcessID;
    case TQBCmd::ViewThread: return colThreadName;
    case TQBCmd::ViewDate: return colDate;
    case TQBCmd::ViewLog: return colLog;
    default: return std::nullopt;
  }
}

std::optional<uint16_t> TimeColumn(TQBCmd cmd) {
  switch (cmd) {
    case TQBCmd::ViewTimeStamp: return colTimeStamp;
    case TQBCmd::ViewTimeDiff: return colTimeDiff;
    case TQBCmd::ViewTimeOffset: return colTimeOffset;
    default: return std::nullopt;
  }
}

}  // namespace

uint16_t ApplyColumnCommand(uint16_t columns, TQBCmd cmd) {
  if (const auto flag = ToggledColumn(cmd)) return columns ^ *flag;
  if (const auto flag = TimeColumn(cmd)) {
    const bool wasOn = (columns & *flag) != 0;
    columns &= uint16_t(~kTimeColumns);
    return wasOn ? columns : uint16_t(columns | *flag);
  }
  if (cmd == TQBCmd::ViewMsgOnly) return columns & uint16_t(~colAllColumns);
  if (cmd == TQBCmd::AllDetails) {
    const uint16_t details = colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate;
    // Time Stamp joins only when no other time column is on: at most one time column is ever set. The
    // Log column is left as it is: it is empty unless logs were merged, and would only take room.
    const uint16_t time = (columns & (colTimeDiff | colTimeOffset)) ? 0 : colTimeStamp;
    return columns | details | time;
  }
  return columns;
}

std::optional<QRect> PositionRect(TQBCmd cmd, const QRect& r, const QSize& w) {
  const int right = r.x() + r.width(), bottom = r.y() + r.height();
  switch (cmd) {
    case TQBCmd::PosUpperLeft: return QRect(r.x(), r.y(), w.width(), w.height());
    case TQBCmd::PosUpperRight: return QRect(right - w.width(), r.y(), w.width(), w.height());
    case TQBCmd::PosLowerRight: return QRect(right - w.width(), bottom - w.height(), w.width(), w.height());
    case TQBCmd::PosLowerLeft: return QRect(r.x(), bottom - w.height(), w.width(), w.height());
    case TQBCmd::PosLeft: return QRect(r.x(), r.y(), w.width(), r.height());
    case TQBCmd::PosTop: return QRect(r.x(), r.y(), r.width(), w.height());
    case TQBCmd::PosRight: return QRect(right - w.width(), r.y(), w.width(), r.height());
    case TQBCmd::PosBottom: return QRect(r.x(), bottom - w.height(), r.width(), w.height());
    default: return std::nullopt;
  }
}

}  // namespace qblayout
