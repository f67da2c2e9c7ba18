#include "view/QBTextPattern.h"

#include "view/QBFilterMatcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

// The compiled expression and the match block every test reuses.
struct TQBTextPattern::TExpression {
  pcre2_compile_context* Context = nullptr;
  pcre2_code* Code = nullptr;
  pcre2_match_data* Match = nullptr;
  ~TExpression() {
    pcre2_match_data_free(Match);
    pcre2_code_free(Code);
    pcre2_compile_context_free(Context);
  }
};

TQBTextPattern::TQBTextPattern(const QString& text, TQBSearchOptions options) : FText(text), FOptions(options) {
  if (FText.isEmpty()) return;
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
  FExpression = std::move(e);
}

bool TQBTextPattern::Matches(QByteArrayView utf8) const {
  if (FText.isEmpty() || !IsValid()) return false;
  if (FExpression) {
    const auto subject = reinterpret_cast<PCRE2_SPTR>(utf8.data() ? utf8.data() : "");
    int rc = pcre2_match(FExpression->Code, subject, PCRE2_SIZE(utf8.size()), 0, 0, FExpression->Match, nullptr);
    // A pattern that needs more stack than the machine code has runs again in the interpreter.
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT)
      rc = pcre2_match(FExpression->Code, subject, PCRE2_SIZE(utf8.size()), 0, PCRE2_NO_JIT, FExpression->Match,
                       nullptr);
    // Anything else below 0 (no match, a text that is no valid UTF-8, a limit reached) is no match.
    return rc >= 0;
  }
  if (!FOptions.MatchCase) return qbfilter::ContainsAsciiFolded(utf8, FNeedle);
  if (utf8.size() < FNeedle.size()) return false;
  const std::string_view haystack(utf8.data(), size_t(utf8.size()));
  return (*FExact)(haystack.begin(), haystack.end()).first != haystack.end();
}
