#pragma once
// The column controls that the options dialog, the column chooser and the print dialog share, as
// values: eight boxes (Category, Application Name, Computer Name, Process ID, Thread, Log, Date, Time)
// and the time kind chosen under Time. The rules the controls follow and the two ways a dialog's choice
// goes back into a column set live here, so the dialogs only mirror them.

#include "view/QBColumns.h"

struct TQBColumnChoice {
  bool Category = false;
  bool AppName = false;
  bool ComputerName = false;
  bool ProcessID = false;
  bool ThreadName = false;
  bool Log = false;
  bool Date = false;
  bool Time = false;
  // colTimeStamp, colTimeDiff or colTimeOffset: the selected radio button; 0 when none is selected.
  TQBColumnSet TimeKind = 0;

  // The controls loaded from a column set: each box from its flag, Time ticked when a time flag is set
  // (the time rule then applies), the radio button from the flag that shows.
  static TQBColumnChoice Of(TQBColumnSet columns);

  // The time rule: ticking Time with no kind selected selects Time Stamp. The kind stays when Time is
  // unticked (its radio buttons are only disabled).
  void SetTime(bool on);
  // "All Columns" (on) and "Message Text Only" (off): the seven boxes besides Log, with the time rule;
  // Log, empty unless logs were merged, is only cleared, as the Message Only command clears it.
  void SetAll(bool on);
  // Whether the radio buttons are enabled.
  bool TimeKindEnabled() const { return Time; }

  // The column set built from nothing, as the print dialog hands it over: the time flag only when Time
  // is ticked.
  TQBColumnSet ToColumns() const;
  // The options dialog's and the column chooser's OK: columns takes the choice; true when any flag
  // changed (Date, then the time flags, then the other five, then Log).
  bool ReadBack(TQBColumnSet& columns) const;

  friend bool operator==(const TQBColumnChoice&, const TQBColumnChoice&) = default;
};
