#pragma once
// Tests store messages against a view's filter record, fast enough to filter millions of messages.
//
// Names are interned by the store, so the answer for a name criterion is worked out once per distinct
// name id and then looked up. The text criterion is an ASCII-folded substring search on the stored
// UTF-8 bytes: UTF-8 keeps ASCII bytes as they are and never uses them inside other characters, so
// folding and searching bytes gives the same answer as folding and searching characters.

#include "view/QBFilterCriteria.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QByteArray>

#include <cstdint>
#include <vector>

class TQBFilterMatcher {
public:
  TQBFilterMatcher() = default;
  explicit TQBFilterMatcher(const TQBFilterCriteria& criteria) { SetCriteria(criteria); }

  void SetCriteria(const TQBFilterCriteria& criteria);
  const TQBFilterCriteria& Criteria() const { return FCriteria; }
  // Forgets the per-name answers; needed when the store was emptied (ids are reused).
  void ResetCache();

  bool Matches(const TQuillboxMessageSet& set, const TQBMessageRef& message);

private:
  struct TNameCriterion {
    bool On = false;
    QByteArray Utf8;
    std::vector<int8_t> Answers;  // per name id: -1 unknown, 0 no, 1 yes
    bool Matches(const TQuillboxMessageSet& set, uint32_t id);
  };

  TQBFilterCriteria FCriteria;
  TNameCriterion FApp, FCategory, FThread, FComputer;
  QByteArray FTextUpper;  // the text criterion, UTF-8 with ASCII letters upper-cased
  int64_t FFromKey = 0, FToKey = 0;  // the time range as ordered numbers (TQBTimeIndex::Key)
};

namespace qbfilter {
// True when needle (already ASCII upper-cased) occurs in haystack after ASCII upper-casing. An empty
// needle occurs nowhere.
bool ContainsAsciiFolded(QByteArrayView haystack, QByteArrayView upperNeedle);
// needle with ASCII letters upper-cased.
QByteArray UpperAscii(QByteArrayView text);
}  // namespace qbfilter
