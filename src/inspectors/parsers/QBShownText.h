#pragma once
// How much of a message the inspectors lay out, and the parts of a details text they show.
//
// A details text may hold tens of megabytes: ten million empty lines, one line of fifty million
// characters, a row of a million cells. The widgets behind the inspectors cost time and memory per
// line, per character of a line and per cell, and some of them far more than linearly (a wrapped line
// without spaces, a column of a million widths), while nobody reads that much in a pane. So an
// inspector lays out at most the first MaxLines lines, MaxChars characters in all, MaxLineChars
// characters of a line and MaxColumns columns, says on its notice bar what it left out, and still
// copies the whole text. Everything here works on the stored UTF-8 bytes, so counting what is left out
// costs one pass over them and no copy.
//
// MaxChars bounds what is measured or laid out character by character (the text control, the table's
// column widths). The trees and lists draw only the rows in view, so they take all the characters of
// their lines: never more than the details hold.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace qbshown {

inline constexpr qsizetype MaxLines = 50000;
inline constexpr qsizetype MaxLineChars = 10000;
inline constexpr qsizetype MaxChars = 8000000;
inline constexpr int MaxColumns = 1000;
inline constexpr qsizetype MaxCells = 100000;
inline constexpr qsizetype NoCharLimit = -1;

}  // namespace qbshown

// What an inspector shows of a text, against the whole of it.
struct TQBShownCounts {
  qsizetype ShownLines = 0, TotalLines = 0;
  qsizetype CutLines = 0;  // shown lines cut to MaxLineChars
  int ShownColumns = 0, TotalColumns = 0;
  bool Complete() const { return ShownLines == TotalLines && CutLines == 0 && ShownColumns == TotalColumns; }
};

struct TQBShownLines {
  QStringList Lines;  // the first lines of the text, each cut to MaxLineChars with a marker
  TQBShownCounts Counts;
};

enum class TQBLineBreaks {
  AsWritten,  // every CR LF, lone CR or lone LF ends a line (the details texts)
  Collapsed,  // every run of CR and LF is one break; only a run at the very start leaves an empty line
              // (the message text as the string inspector shows it)
};

// The lines of UTF-8 text, bounded as above; maxLines lowers the line limit for inspectors that read
// only the first few lines, maxChars may be NoCharLimit (see above).
TQBShownLines ShownLines(QByteArrayView utf8, TQBLineBreaks breaks = TQBLineBreaks::AsWritten,
                         qsizetype maxLines = qbshown::MaxLines, qsizetype maxChars = qbshown::MaxChars);

// The text of one line or cell, at most maxChars characters; a longer one is cut and marked with the
// number of characters it has in all. *cut tells whether it was.
QString ShownLine(QByteArrayView utf8, qsizetype maxChars = qbshown::MaxLineChars, bool* cut = nullptr);

// The whole text as its lines, each followed by CR LF: what copying a text inspector's contents gives.
QString CrLfLines(QByteArrayView utf8, TQBLineBreaks breaks = TQBLineBreaks::AsWritten);

// Calls f(line) for each line of the text (UTF-8 bytes, without the break) until f returns false.
template <typename F>
void ForEachLine(QByteArrayView utf8, TQBLineBreaks breaks, F f);

// The notice an inspector shows when counts is not complete; empty when it is.
QString ShownNoticeText(const TQBShownCounts& counts);

// ---------------------------------------------------------------------------------------------------

template <typename F>
void ForEachLine(QByteArrayView utf8, TQBLineBreaks breaks, F f) {
  const char* p = utf8.data();
  const char* const end = p + utf8.size();
  const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
  if (breaks == TQBLineBreaks::Collapsed) {
    // A run of breaks at the very start stays as one empty first line, when text follows it.
    const char* first = p;
    while (first < end && isBreak(*first)) ++first;
    if (first != p && first != end && !f(QByteArrayView())) return;
    p = first;
  }
  while (p < end) {
    const char* q = p;
    while (q < end && !isBreak(*q)) ++q;
    if (!f(QByteArrayView(p, q - p))) return;
    if (breaks == TQBLineBreaks::Collapsed) {
      while (q < end && isBreak(*q)) ++q;
      p = q;
    } else {
      // CR LF is one break; a lone CR or LF is one as well, so "\n\r" is two.
      p = q < end && *q == '\r' && q + 1 < end && q[1] == '\n' ? q + 2 : q + 1;
    }
  }
}
