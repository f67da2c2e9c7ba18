#include "view/QBFilterMatcher.h"

#include "view/QBTimeIndex.h"

#include <algorithm>
#include <cstring>

namespace qbfilter {
namespace {

inline char UpperByte(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

}  // namespace

QByteArray UpperAscii(QByteArrayView text) {
  QByteArray out(text.data(), text.size());
  for (char& c : out) c = UpperByte(c);
  return out;
}

const QString& FoldedKeyInto(const QString& text, QString& out) {
  out.resize(text.size());
  QChar* to = out.data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    to[i] = QChar(c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c);
  }
  return out;
}

bool ContainsAsciiFolded(QByteArrayView haystack, QByteArrayView needle) {
  const qsizetype n = needle.size();
  if (n == 0 || n > haystack.size()) return false;
  // Look for the first needle byte in either case with memchr, then compare the rest.
  const char first = needle[0];
  const char firstLower = (first >= 'A' && first <= 'Z') ? char(first + 32) : first;
  const char* const last = haystack.data() + haystack.size() - n;
  // Next occurrence of byte c at or after from (within the positions a match can start at).
  const auto find = [last](const char* from, char c) -> const char* {
    return from > last ? nullptr : static_cast<const char*>(std::memchr(from, c, size_t(last - from + 1)));
  };
  // Each case of the first byte is searched once per hit, never again from an earlier place.
  const char* upper = find(haystack.data(), first);
  const char* lower = firstLower == first ? nullptr : find(haystack.data(), firstLower);
  for (;;) {
    const char* hit = !upper ? lower : !lower ? upper : std::min(upper, lower);
    if (!hit) return false;
    qsizetype i = 1;
    while (i < n && UpperByte(hit[i]) == needle[i]) ++i;
    if (i == n) return true;
    if (hit == upper) upper = find(hit + 1, first);
    if (hit == lower) lower = find(hit + 1, firstLower);
  }
}

}  // namespace qbfilter

bool TQBFilterMatcher::TNameCriterion::Matches(const TQuillboxMessageSet& set, uint32_t id) {
  if (Generation != set.PoolGeneration()) {
    Generation = set.PoolGeneration();
    FoldId = TQuillboxMessageSet::NoPoolId;
    LookedUpSize = 0;
  }
  if (FoldId == TQuillboxMessageSet::NoPoolId) {
    // Looked up again only when the pool has grown since: a text no name folds to costs one size
    // check per message.
    const uint32_t size = set.PoolSize();
    if (size == LookedUpSize) return false;
    FoldId = set.FindPoolFoldId(Utf8);
    LookedUpSize = size;
    if (FoldId == TQuillboxMessageSet::NoPoolId) return false;
  }
  return set.PoolFoldId(id) == FoldId;
}

void TQBFilterMatcher::SetCriteria(const TQBFilterCriteria& criteria) {
  FCriteria = criteria;
  const auto setName = [](TNameCriterion& name, bool on, const QString& text) {
    name = TNameCriterion{};
    name.On = on;
    name.Utf8 = text.toUtf8();
  };
  setName(FApp, criteria.CheckAppName, criteria.AppName);
  setName(FCategory, criteria.CheckCategory, criteria.Category);
  setName(FThread, criteria.CheckThreadName, criteria.ThreadName);
  setName(FComputer, criteria.CheckComputerName, criteria.ComputerName);
  FTextUpper = qbfilter::UpperAscii(criteria.MessageText.toUtf8());
  FFromKey = TQBTimeIndex::Key(criteria.TimeRange.From);
  FToKey = TQBTimeIndex::Key(criteria.TimeRange.To);
}

bool TQBFilterMatcher::Matches(const TQuillboxMessageSet& set, const TQBMessageRef& m) {
  const TQBFilterCriteria& c = FCriteria;
  if (c.CheckMsgTypes) {
    const int32_t type = m.MsgType();
    if (type < 0 || type > 255 || !c.MsgTypes.test(size_t(type))) return false;
  }
  if (c.CheckProcessID && m.ProcessID() != uint32_t(c.ProcessID)) return false;
  if (c.CheckTimeRange) {
    const int64_t key = TQBTimeIndex::Key(m.TimeStamp());
    if (key < FFromKey || key > FToKey) return false;
  }
  if (FApp.On && !FApp.Matches(set, m.AppNameId())) return false;
  if (FCategory.On && !FCategory.Matches(set, m.CategoryId())) return false;
  if (FThread.On && !FThread.Matches(set, m.ThreadNameId())) return false;
  if (FComputer.On && !FComputer.Matches(set, m.ComputerNameId())) return false;
  if (c.CheckMessageText && !qbfilter::ContainsAsciiFolded(m.MsgTextUtf8(), FTextUpper)) return false;
  return true;
}
