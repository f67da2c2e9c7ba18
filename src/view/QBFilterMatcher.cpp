#include "view/QBFilterMatcher.h"

#include "view/QBTimeIndex.h"

#include <algorithm>
#include <cstring>

namespace qbfilter {
namespace {

inline char UpperByte(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

// Equal bytes when ASCII letters are folded.
bool SameBytesAscii(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (UpperByte(a[i]) != UpperByte(b[i])) return false;
  return true;
}

}  // namespace

QByteArray UpperAscii(QByteArrayView text) {
  QByteArray out(text.data(), text.size());
  for (char& c : out) c = UpperByte(c);
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
  if (id >= Answers.size()) Answers.resize(size_t(id) + 1, -1);
  int8_t& answer = Answers[id];
  if (answer < 0) answer = qbfilter::SameBytesAscii(set.PoolUtf8(id), Utf8) ? 1 : 0;
  return answer == 1;
}

void TQBFilterMatcher::SetCriteria(const TQBFilterCriteria& criteria) {
  FCriteria = criteria;
  const auto setName = [](TNameCriterion& name, bool on, const QString& text) {
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
  ResetCache();
}

void TQBFilterMatcher::ResetCache() {
  for (TNameCriterion* name : {&FApp, &FCategory, &FThread, &FComputer}) name->Answers.clear();
}

bool TQBFilterMatcher::Matches(const TQuillboxMessageSet& set, const TQBMessageRef& m) {
  // Name ids are only meaningful for the store's current contents; a shrunken pool was emptied. The
  // pool lives in the host library: one call per message, not one per criterion.
  const size_t pool = set.PoolSize();
  if (FApp.Answers.size() > pool || FCategory.Answers.size() > pool || FThread.Answers.size() > pool ||
      FComputer.Answers.size() > pool)
    ResetCache();
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
