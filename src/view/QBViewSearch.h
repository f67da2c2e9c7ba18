#pragma once
// Text search over a view's rows, forwards or backwards, opening collapsed methods so their bodies are
// searched too.

#include "view/QBTextPattern.h"
#include "view/QBViewNavigation.h"

#include <QString>

// What a find asks for: the text, the direction, the origin, whether details are searched, and the
// options that say what matches.
struct TQBFindRequest {
  QString Text;
  bool Forward = true;
  bool InDetails = true;
  bool FromCursor = false;
  TQBSearchOptions Options;
  friend bool operator==(const TQBFindRequest&, const TQBFindRequest&) = default;
};

class TQBViewSearch {
public:
  explicit TQBViewSearch(TQBViewModel& view) : FRows(view.Rows()), FNavigator(view) {}

  // fresh: a new search (from the current row with fromCursor, else from the first or last row);
  // otherwise a find-next from the row after (or before) the current one. Selects the found row or
  // reports "Search string '<text>' not found." through the host. Returns the found row or -1.
  int FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward);
  // The same with the find options: the pattern says what matches (an invalid one matches nothing).
  int FindText(bool fresh, const TQBTextPattern& pattern, bool inDetails, bool fromCursor, bool forward);

  static QString NotFoundMessage(const QString& text);

private:
  // The row a search starts at; -1 for a find-next from the last row forwards or the first backwards.
  int StartRow(bool fresh, bool fromCursor, bool forward) const;
  bool ItemMatches(int item) const;
  int SearchForward(int row);
  int SearchBackward(int row);
  // The exit row that ends the body of the entry in row, after it was opened.
  int ExitRowAfter(int row) const;

  TQBViewRows& FRows;
  TQBViewNavigator FNavigator;
  const TQBTextPattern* FPattern = nullptr;
  bool FInDetails = false;
};
