#pragma once
// What a find looks for in message texts, compiled once per search.
//
// With both options off it is the plain search of the view: a substring compared after upper-casing
// the ASCII letters only, on the stored UTF-8 bytes. "Match case" compares the bytes as they are.
// "Regular expression" takes the text as a Perl-compatible expression, the syntax of the toolkit's
// QRegularExpression: without "Match case" it ignores case the Unicode way; "^" and "$" also match at
// the line breaks inside a text (CR, LF or CR LF) and "." matches no line break. An empty text matches
// nothing in every mode, as the plain search does.
//
// An expression runs on the stored UTF-8 bytes through PCRE2 (the library behind QRegularExpression),
// compiled to machine code, with one match block reused for every text: a search over a million
// messages decodes nothing and allocates nothing per message.
//
// Bounded work. An expression with nested repeats ("(a+)+$") can take exponential time on a text it
// does not match, so each match may take at most MatchLimit steps of the library (a hundredth of its
// default: about a millisecond, far more than an ordinary expression needs); a text where the limit
// was reached is answered Incomplete, never silently as no match. A text longer than MaxTextLength
// characters is no pattern at all: it is invalid, with a reason, rather than cut short.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

// The answer for one text: it matches, it does not, or the expression gave up on it (its limit).
enum class TQBMatch { No, Yes, Incomplete };

struct TQBSearchOptions {
  bool MatchCase = false;
  bool RegularExpression = false;
  friend bool operator==(const TQBSearchOptions&, const TQBSearchOptions&) = default;
};

class TQBTextPattern {
public:
  static constexpr qsizetype MaxTextLength = 32767;
  static constexpr uint32_t MatchLimit = 100000;

  TQBTextPattern(const QString& text, TQBSearchOptions options);
  ~TQBTextPattern();
  TQBTextPattern(const TQBTextPattern&) = delete;
  TQBTextPattern& operator=(const TQBTextPattern&) = delete;

  const QString& Text() const { return FText; }
  TQBSearchOptions Options() const { return FOptions; }
  // False for an expression that does not compile, or a text longer than MaxTextLength; it then
  // matches nothing.
  bool IsValid() const { return FError.isEmpty(); }
  // The compiler's message and the character position in Text() where it found the error (for a text
  // that is too long, the first character past the limit).
  const QString& ErrorString() const { return FError; }
  qsizetype ErrorOffset() const { return FErrorOffset; }

  // Whether the pattern occurs in a UTF-8 text.
  TQBMatch Match(QByteArrayView utf8) const;
  bool Matches(QByteArrayView utf8) const { return Match(utf8) == TQBMatch::Yes; }

private:
  struct TExpression;
  void Compile();

  QString FText;
  TQBSearchOptions FOptions;
  QByteArray FNeedle;  // the UTF-8 text; ASCII upper-cased for the plain search
  std::optional<std::boyer_moore_horspool_searcher<std::string_view::const_iterator>> FExact;
  std::unique_ptr<TExpression> FExpression;
  QString FError;
  qsizetype FErrorOffset = -1;
};
