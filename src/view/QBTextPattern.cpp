#include "view/QBTextPattern.h"

#include "view/QBFilterMatcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

// The compiled expression and the match block every test reuses.
struct TQBTextPattern::TExpression {
  pcre2_compile_context* Context = nullptr;
  pcre2_code* Code = nullptr;
  pcre2_match_data* Match = nullptr;
  pcre2_match_context* Limits = nullptr;
  ~TExpression() {
    pcre2_match_context_free(Limits);
    pcre2_match_data_free(Match);
    pcre2_code_free(Code);
    pcre2_compile_context_free(Context);
  }
};

TQBTextPattern::TQBTextPattern(const QString& text, TQBSearchOptions options) : FText(text), FOptions(options) {
  if (FText.isEmpty()) return;
  if (FText.size() > MaxTextLength) {
    FError = QStringLiteral("The text to find is longer than %1 characters.").arg(MaxTextLength);
    FErrorOffset = MaxTextLength;
    return;
  }
  FNeedle = options.MatchCase || options.RegularExpression ? text.toUtf8() : qbfilter::UpperAscii(text.toUtf8());
  if (options.RegularExpression) {
    Compile();
  } else if (options.MatchCase) {
    const std::string_view needle(FNeedle.constData(), size_t(FNeedle.size()));
    FExact.emplace(needle.begin(), needle.end());
  }
}

TQBTextPattern::~TQBTextPattern() = default;

void TQBTextPattern::Compile() {
  auto e = std::make_unique<TExpression>();
  e->Context = pcre2_compile_context_create(nullptr);
  pcre2_set_newline(e->Context, PCRE2_NEWLINE_ANYCRLF);
  uint32_t flags = PCRE2_UTF | PCRE2_MULTILINE;
  if (!FOptions.MatchCase) flags |= PCRE2_CASELESS;
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  e->Code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(FNeedle.constData()), PCRE2_SIZE(FNeedle.size()), flags,
                          &error, &errorOffset, e->Context);
  if (!e->Code) {
    PCRE2_UCHAR message[256];
    pcre2_get_error_message(error, message, sizeof message);
    FError = QString::fromUtf8(reinterpret_cast<const char*>(message));
    // The library counts bytes of the UTF-8 text; the user counts characters of what was typed.
    FErrorOffset = QString::fromUtf8(FNeedle.left(qsizetype(errorOffset))).size();
    return;
  }
  // Machine code where the platform has it; the interpreter gives the same answers otherwise.
  pcre2_jit_compile(e->Code, PCRE2_JIT_COMPLETE);
  e->Match = pcre2_match_data_create(1, nullptr);
  e->Limits = pcre2_match_context_create(nullptr);
  pcre2_set_match_limit(e->Limits, MatchLimit);
  FExpression = std::move(e);
}

TQBMatch TQBTextPattern::Match(QByteArrayView utf8) const {
  if (FText.isEmpty() || !IsValid()) return TQBMatch::No;
  if (FExpression) {
    const auto subject = reinterpret_cast<PCRE2_SPTR>(utf8.data() ? utf8.data() : "");
    const TExpression& e = *FExpression;
    int rc = pcre2_match(e.Code, subject, PCRE2_SIZE(utf8.size()), 0, 0, e.Match, e.Limits);
    // A pattern that needs more stack than the machine code has runs again in the interpreter.
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT)
      rc = pcre2_match(e.Code, subject, PCRE2_SIZE(utf8.size()), 0, PCRE2_NO_JIT, e.Match, e.Limits);
    if (rc >= 0) return TQBMatch::Yes;
    // A limit reached (steps, depth, memory) leaves the text unanswered; anything else (no match, a
    // text that is no valid UTF-8) is no match.
    const bool limit = rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT ||
                       rc == PCRE2_ERROR_JIT_STACKLIMIT || rc == PCRE2_ERROR_NOMEMORY;
    return limit ? TQBMatch::Incomplete : TQBMatch::No;
  }
  const auto answer = [](bool found) { return found ? TQBMatch::Yes : TQBMatch::No; };
  if (!FOptions.MatchCase) return answer(qbfilter::ContainsAsciiFolded(utf8, FNeedle));
  if (utf8.size() < FNeedle.size()) return TQBMatch::No;
  const std::string_view haystack(utf8.data(), size_t(utf8.size()));
  return answer((*FExact)(haystack.begin(), haystack.end()).first != haystack.end());
}
