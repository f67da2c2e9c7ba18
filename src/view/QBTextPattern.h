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

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

struct TQBSearchOptions {
  bool MatchCase = false;
  bool RegularExpression = false;
  friend bool operator==(const TQBSearchOptions&, const TQBSearchOptions&) = default;
};

class TQBTextPattern {
public:
  TQBTextPattern(const QString& text, TQBSearchOptions options);
  ~TQBTextPattern();
  TQBTextPattern(const TQBTextPattern&) = delete;
  TQBTextPattern& operator=(const TQBTextPattern&) = delete;

  const QString& Text() const { return FText; }
  TQBSearchOptions Options() const { return FOptions; }
  // False for an expression that does not compile; it then matches nothing.
  bool IsValid() const { return FError.isEmpty(); }
  // The compiler's message and the character position in Text() where it found the error.
  const QString& ErrorString() const { return FError; }
  qsizetype ErrorOffset() const { return FErrorOffset; }

  // Whether the pattern occurs in a UTF-8 text.
  bool Matches(QByteArrayView utf8) const;

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
