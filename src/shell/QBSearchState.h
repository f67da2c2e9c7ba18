#pragma once
// What Find and Find Next search for: the find text and the three find options. The text starts
// empty in every session; the options come from and go back to the settings. The find dialog edits
// a copy and the window keeps what it confirmed.

#include "shell/QBSettings.h"

#include <QString>

struct TQBSearchState {
  QString Text;
  bool Forward = true;
  bool FromCursor = false;
  bool InDetails = true;

  void Read(const TQBFindSettings& find) {
    Forward = find.FindForward;
    FromCursor = find.FindFromCursor;
    InDetails = find.FindInDetails;
  }
  void Write(TQBFindSettings& find) const {
    find.FindForward = Forward;
    find.FindFromCursor = FromCursor;
    find.FindInDetails = InDetails;
  }
  friend bool operator==(const TQBSearchState&, const TQBSearchState&) = default;
};
