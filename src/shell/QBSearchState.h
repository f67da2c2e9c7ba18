#pragma once
// What Find and Find Next search for: the find text, the direction, the origin, whether details are
// searched, and the two options that say what matches. The text starts empty in every session; the
// rest comes from and goes back to the settings. The find dialog edits a copy and the window keeps what
// it confirmed.

#include "settings/QBSettings.h"

#include <QString>

struct TQBSearchState {
  QString Text;
  bool Forward = true;
  bool FromCursor = false;
  bool InDetails = true;
  bool MatchCase = false;
  bool RegularExpression = false;

  void Read(const TQBFindSettings& find) {
    Forward = find.FindForward;
    FromCursor = find.FindFromCursor;
    InDetails = find.FindInDetails;
    MatchCase = find.MatchCase;
    RegularExpression = find.RegularExpression;
  }
  void Write(TQBFindSettings& find) const {
    find.FindForward = Forward;
    find.FindFromCursor = FromCursor;
    find.FindInDetails = InDetails;
    find.MatchCase = MatchCase;
    find.RegularExpression = RegularExpression;
  }
  friend bool operator==(const TQBSearchState&, const TQBSearchState&) = default;
};
