#include "view/QBQuickFilter.h"

#include "view/QBFilterMatcher.h"

#include <QRegularExpression>

#include <algorithm>

bool TQBQuickFilterSpec::IsEmpty() const {
  return Include.Text.isEmpty() &&
         std::all_of(Excludes.begin(), Excludes.end(), [](const TQBQuickTerm& t) { return t.Text.isEmpty(); });
}

// ---------------------------------------------------------------------------------------------------
// Matching

bool TQBQuickMatcher::TCompiled::Matches(const TQBMessageRef& message) const {
  return Pattern->Matches(message.MsgTextUtf8()) || (InDetails && Pattern->Matches(message.DetailsUtf8()));
}

TQBQuickMatcher::TQBQuickMatcher(const TQBQuickFilterSpec& spec) {
  const auto compile = [](const TQBQuickTerm& term) {
    return TCompiled{std::make_unique<TQBTextPattern>(term.Text, term.Options), term.InDetails};
  };
  if (!spec.Include.Text.isEmpty()) FInclude = compile(spec.Include);
  for (const TQBQuickTerm& term : spec.Excludes)
    if (!term.Text.isEmpty()) FExcludes.push_back(compile(term));
}

TQBQuickMatcher::~TQBQuickMatcher() = default;

bool TQBQuickMatcher::Passes(const TQBMessageRef& message) const {
  if (FInclude && !FInclude->Matches(message)) return false;
  return std::none_of(FExcludes.begin(), FExcludes.end(), [&](const TCompiled& c) { return c.Matches(message); });
}

QString TQBQuickMatcher::Error() const {
  const auto invalid = [](const TCompiled& c) { return !c.Pattern->IsValid(); };
  const TCompiled* bad = FInclude && invalid(*FInclude) ? &*FInclude : nullptr;
  if (!bad) {
    const auto it = std::find_if(FExcludes.begin(), FExcludes.end(), invalid);
    if (it != FExcludes.end()) bad = &*it;
  }
  return bad ? QStringLiteral("Regular expression: %1").arg(bad->Pattern->ErrorString()) : QString();
}

namespace qbquick {

namespace {

// text with the ASCII letters upper-cased and every other character kept: the plain search's folding.
QString UpperAscii(const QString& text) {
  QString out = text;
  for (QChar& c : out)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 'a' + 'A');
  return out;
}

bool ContainsTerm(const TQBQuickTerm& longer, const TQBQuickTerm& shorter) {
  if (longer.Options != shorter.Options || longer.InDetails != shorter.InDetails) return false;
  if (longer.Options.RegularExpression) return longer.Text == shorter.Text;
  if (longer.Options.MatchCase) return longer.Text.contains(shorter.Text);
  return UpperAscii(longer.Text).contains(UpperAscii(shorter.Text));
}

}  // namespace

bool Narrows(const TQBQuickFilterSpec& narrower, const TQBQuickFilterSpec& wider) {
  for (const TQBQuickTerm& term : wider.Excludes)
    if (!term.Text.isEmpty() && std::find(narrower.Excludes.begin(), narrower.Excludes.end(), term) == narrower.Excludes.end())
      return false;
  if (wider.Include.Text.isEmpty()) return true;
  return !narrower.Include.Text.isEmpty() && ContainsTerm(narrower.Include, wider.Include);
}

std::vector<std::pair<int, int>> MatchSpans(const QString& text, const TQBQuickTerm& term) {
  std::vector<std::pair<int, int>> spans;
  if (term.Text.isEmpty()) return spans;
  if (term.Options.RegularExpression) {
    QRegularExpression::PatternOptions options = QRegularExpression::MultilineOption;
    if (!term.Options.MatchCase) options |= QRegularExpression::CaseInsensitiveOption;
    const QRegularExpression expression(term.Text, options);
    if (!expression.isValid()) return spans;
    for (auto it = expression.globalMatch(text); it.hasNext();) {
      const QRegularExpressionMatch match = it.next();
      if (match.capturedLength() > 0) spans.emplace_back(int(match.capturedStart()), int(match.capturedLength()));
    }
    return spans;
  }
  const QString haystack = term.Options.MatchCase ? text : UpperAscii(text);
  const QString needle = term.Options.MatchCase ? term.Text : UpperAscii(term.Text);
  for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + needle.size()))
    spans.emplace_back(int(at), int(needle.size()));
  return spans;
}

QString ChipText(const TQBQuickTerm& term) { return QStringLiteral("exclude '%1'").arg(term.Text); }

}  // namespace qbquick

// ---------------------------------------------------------------------------------------------------
// The filter of one view

void TQBQuickFilter::Start(TQBViewRows& rows, const TQBQuickFilterSpec& spec) {
  if (&rows != FRows) {
    Clear();
    FRows = &rows;
  }
  FWanted = spec;
  FScan.reset();
  if (spec.IsEmpty()) {
    if (rows.HasQuickFilter()) rows.SetQuickFilter({}, {});
    FApplied = {};
    FAppliedPasses.clear();
    return;
  }
  const bool applied = rows.HasQuickFilter() && FAppliedGeneration == rows.Generation();
  if (applied && spec == FApplied) return;
  FMatcher = std::make_shared<TQBQuickMatcher>(spec);
  std::vector<uint8_t> candidates;
  if (applied && qbquick::Narrows(spec, FApplied)) candidates = FAppliedPasses;
  auto matcher = FMatcher;
  FScan = std::make_unique<TQBItemScan>(
      rows, [matcher](const TQBMessageRef& m) { return matcher->Passes(m); }, std::move(candidates));
}

bool TQBQuickFilter::Run(std::chrono::microseconds budget) {
  if (!FScan) return true;
  if (!FScan->Current()) {
    // The view removed items meanwhile: start over on what it holds now.
    auto matcher = FMatcher;
    FScan = std::make_unique<TQBItemScan>(*FRows, [matcher](const TQBMessageRef& m) { return matcher->Passes(m); });
  }
  if (FScan->RunFor(budget)) Apply();
  return !FScan;
}

void TQBQuickFilter::Finish() {
  while (!Run(std::chrono::hours(1))) {
  }
}

void TQBQuickFilter::Apply() {
  FAppliedPasses = FScan->TakePasses();
  FScan.reset();
  FApplied = FWanted;
  FAppliedGeneration = FRows->Generation();
  auto matcher = FMatcher;
  const TQuillboxMessageSet* set = &FRows->MessageSet();
  FRows->SetQuickFilter([matcher, set](int recNo) { return matcher->Passes(set->At(recNo)); }, FAppliedPasses);
}

void TQBQuickFilter::Clear() {
  if (FRows && FRows->HasQuickFilter()) FRows->SetQuickFilter({}, {});
  Forget();
}

void TQBQuickFilter::Forget() {
  FRows = nullptr;
  FScan.reset();
  FMatcher.reset();
  FApplied = FWanted = {};
  FAppliedPasses.clear();
}
