#pragma once
// Text search over a view's rows, forwards or backwards, opening collapsed methods so their bodies are
// searched too.
//
// A search may be long (a million rows, an expression that needs its whole step limit on many of them),
// so it asks a progress every few rows whether to go on: the window's shows itself once the search
// has run for a while and offers Cancel. A cancelled search selects nothing and says nothing. Rows
// whose text the expression gave up on are counted and reported when the search ends.

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

// What a search asks while it runs.
class IQBSearchProgress {
public:
  virtual ~IQBSearchProgress() = default;
  // searched of about total rows are done; false stops the search.
  virtual bool Continue(int searched, int total) = 0;
};

class TQBViewSearch {
public:
  // progress may be null: the search then runs to its end.
  explicit TQBViewSearch(TQBViewModel& view, IQBSearchProgress* progress = nullptr)
      : FRows(view.Rows()), FNavigator(view), FProgress(progress) {}

  // fresh: a new search (from the current row with fromCursor, else from the first or last row);
  // otherwise a find-next from the row after (or before) the current one. Selects the found row or
  // reports "Search string '<text>' not found." through the host. Returns the found row or -1.
  int FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward);
  // The same with the find options: the pattern says what matches (an invalid one matches nothing).
  int FindText(bool fresh, const TQBTextPattern& pattern, bool inDetails, bool fromCursor, bool forward);

  static QString NotFoundMessage(const QString& text);
  // "N messages could not be searched fully."
  static QString IncompleteMessage(int messages);

  // After FindText: whether the progress stopped it, and how many messages the pattern gave up on.
  bool Cancelled() const { return FCancelled; }
  int Incomplete() const { return FIncomplete; }

  // Rows between two questions to the progress (a row the pattern gave up on asks at once).
  static constexpr int RowsPerCheck = 32;

private:
  // The row a search starts at; -1 for a find-next from the last row forwards or the first backwards.
  int StartRow(bool fresh, bool fromCursor, bool forward) const;
  TQBMatch ItemMatch(int item) const;
  // Tests one item: true when it matches; counts it when the pattern gave up on it, and asks the
  // progress every RowsPerCheck items (FCancelled when it says stop).
  bool Test(int item);
  void Report(int found);
  int SearchForward(int row);
  int SearchBackward(int row);
  // The exit row that ends the body of the entry in row, after it was opened.
  int ExitRowAfter(int row) const;

  TQBViewRows& FRows;
  TQBViewNavigator FNavigator;
  IQBSearchProgress* FProgress;
  const TQBTextPattern* FPattern = nullptr;
  bool FInDetails = false;
  int FSearched = 0;
  int FTotal = 0;
  int FIncomplete = 0;
  bool FCancelled = false;
};
