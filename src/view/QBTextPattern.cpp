#include "view/QBTextPattern.h"

#include "view/QBFilterMatcher.h"

#include <algorithm>

namespace {
// Texts end their lines with CR LF: with this start "$" matches before either, and "." matches neither.
const QString kLineEnds = QStringLiteral("(*ANYCRLF)");
}  // namespace

TQBTextPattern::TQBTextPattern(const QString& text, TQBSearchOptions options) : FText(text), FOptions(options) {
  if (FText.isEmpty()) return;
  if (options.RegularExpression) {
    QRegularExpression::PatternOptions flags = QRegularExpression::MultilineOption;
    if (!options.MatchCase) flags |= QRegularExpression::CaseInsensitiveOption;
    FExpression = QRegularExpression(kLineEnds + text, flags);
    if (!FExpression.isValid()) {
      FError = FExpression.errorString();
      FErrorOffset = std::max<qsizetype>(0, FExpression.patternErrorOffset() - kLineEnds.size());
      return;
    }
    FExpression.optimize();
    return;
  }
  FNeedle = options.MatchCase ? text.toUtf8() : qbfilter::UpperAscii(text.toUtf8());
  if (options.MatchCase) {
    const std::string_view needle(FNeedle.constData(), size_t(FNeedle.size()));
    FExact.emplace(needle.begin(), needle.end());
  }
}

bool TQBTextPattern::Matches(QByteArrayView utf8) const {
  if (FText.isEmpty() || !IsValid()) return false;
  if (FOptions.RegularExpression) return MatchesExpression(utf8);
  if (!FOptions.MatchCase) return qbfilter::ContainsAsciiFolded(utf8, FNeedle);
  if (utf8.size() < FNeedle.size()) return false;
  const std::string_view haystack(utf8.data(), size_t(utf8.size()));
  return (*FExact)(haystack.begin(), haystack.end()).first != haystack.end();
}

bool TQBTextPattern::MatchesExpression(QByteArrayView utf8) const {
  // A UTF-8 text never decodes to more UTF-16 units than it has bytes.
  if (FDecoded.size() < utf8.size()) FDecoded.resize(std::max<qsizetype>(utf8.size(), 256));
  QChar* const begin = FDecoded.data();
  const QChar* const end = FDecoder.appendToBuffer(begin, utf8);
  return FExpression.match(QStringView(begin, end - begin)).hasMatch();
}
