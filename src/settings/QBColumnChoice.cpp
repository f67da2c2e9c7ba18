#include "settings/QBColumnChoice.h"

#include <initializer_list>

namespace {

constexpr TQBColumnSet TimeFlags = colTimeStamp | colTimeDiff | colTimeOffset;

void SetFlag(TQBColumnSet& columns, TQBColumnSet flag, bool on) {
  columns = on ? TQBColumnSet(columns | flag) : TQBColumnSet(columns & ~flag);
}

// The five boxes besides Date and Time, with their flags.
struct TBox {
  bool TQBColumnChoice::*Box;
  TQBColumnSet Flag;
};
constexpr TBox kNameBoxes[] = {
    {&TQBColumnChoice::Category, colCategory},       {&TQBColumnChoice::AppName, colAppName},
    {&TQBColumnChoice::ComputerName, colComputerName}, {&TQBColumnChoice::ProcessID, colProcessID},
    {&TQBColumnChoice::ThreadName, colThreadName},
};

}  // namespace

TQBColumnChoice TQBColumnChoice::Of(TQBColumnSet columns) {
  TQBColumnChoice c;
  for (const TBox& b : kNameBoxes) c.*b.Box = (columns & b.Flag) != 0;
  c.Date = (columns & colDate) != 0;
  c.Log = (columns & colLog) != 0;
  c.Time = (columns & TimeFlags) != 0;
  c.TimeKind = TimeColumnOf(columns);
  return c;
}

void TQBColumnChoice::SetTime(bool on) {
  Time = on;
  if (on && TimeKind == 0) TimeKind = colTimeStamp;
}

void TQBColumnChoice::SetAll(bool on) {
  for (const TBox& b : kNameBoxes) this->*b.Box = on;
  Date = on;
  if (!on) Log = false;
  SetTime(on);
}

TQBColumnSet TQBColumnChoice::ToColumns() const {
  TQBColumnSet columns = 0;
  SetFlag(columns, colDate, Date);
  SetFlag(columns, colLog, Log);
  if (Time) columns |= TimeKind;
  for (const TBox& b : kNameBoxes) SetFlag(columns, b.Flag, this->*b.Box);
  return columns;
}

bool TQBColumnChoice::ReadBack(TQBColumnSet& columns) const {
  bool changed = false;
  if (Date != ((columns & colDate) != 0)) {
    SetFlag(columns, colDate, Date);
    changed = true;
  }
  if (Time) {
    for (TQBColumnSet flag : {colTimeStamp, colTimeDiff, colTimeOffset})
      if (((columns & flag) != 0) != (TimeKind == flag)) changed = true;
    columns = TQBColumnSet((columns & ~TimeFlags) | TimeKind);
  } else {
    if (columns & TimeFlags) changed = true;
    columns &= TQBColumnSet(~TimeFlags);
  }
  for (const TBox& b : kNameBoxes)
    if (this->*b.Box != ((columns & b.Flag) != 0)) {
      SetFlag(columns, b.Flag, this->*b.Box);
      changed = true;
    }
  if (Log != ((columns & colLog) != 0)) {
    SetFlag(columns, colLog, Log);
    changed = true;
  }
  return changed;
}
