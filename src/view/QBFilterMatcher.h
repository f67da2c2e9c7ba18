#pragma once
// Tests store messages against a view's filter record, fast enough to filter millions of messages.
//
// Names are interned by the store, and the store gives names that are equal with ASCII letters folded
// one fold id: a name criterion looks up the fold id of its text once and then compares ids. A view
// keeps nothing per name, so a thousand views over a million names cost a thousand small records. The text criterion is an ASCII-folded substring search on the stored
// UTF-8 bytes: UTF-8 keeps ASCII bytes as they are and never uses them inside other characters, so
// folding and searching bytes gives the same answer as folding and searching characters.

#include "view/QBFilterCriteria.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QByteArray>
#include <QString>

#include <cstdint>

class TQBFilterMatcher {
public:
  TQBFilterMatcher() = default;
  explicit TQBFilterMatcher(const TQBFilterCriteria& criteria) { SetCriteria(criteria); }

  void SetCriteria(const TQBFilterCriteria& criteria);
  const TQBFilterCriteria& Criteria() const { return FCriteria; }

  bool Matches(const TQuillboxMessageSet& set, const TQBMessageRef& message);

private:
  struct TNameCriterion {
    bool On = false;
    QByteArray Utf8;
    // The fold id of the text, looked up in the pool of generation Generation when it held
    // LookedUpSize names; a name added since may be the first to fold to the text.
    uint32_t FoldId = TQuillboxMessageSet::NoPoolId;
    uint32_t LookedUpSize = 0;
    uint64_t Generation = UINT64_MAX;
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
// text with ASCII letters upper-cased, written into out, whose buffer is reused: a key to look names
// up by, as the filters compare them, without an allocation per lookup.
const QString& FoldedKeyInto(const QString& text, QString& out);
inline QString FoldedKey(const QString& text) {
  QString out;
  return FoldedKeyInto(text, out);
}
}  // namespace qbfilter
