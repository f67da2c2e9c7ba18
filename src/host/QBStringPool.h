#pragma once
// Interned names (thread, computer, application, type name, category). Each distinct string gets one
// small id; id 0 is the empty string. Equal strings always get the same id, whatever bytes or encoding
// they arrived in, so callers may compare ids instead of strings.
//
// Loading a log hands the same few names over and over, so each caller slot remembers the raw bytes it
// passed last and their id: the common case is one memcmp and no hashing.
//
// Fold ids: names equal once ASCII letters are folded share the smallest id among them. The table is
// built the first time someone asks (a load that no name filter looks at never pays for it) and kept
// up as names are added. It is an open-addressing table of ids with their hashes, which hashes the
// names folded on the fly: no folded copies and no allocation per name.

#include <quillbox/QuillboxTypes.h>

#include <QByteArray>
#include <QString>

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TQBStringPool {
public:
  static constexpr int CacheSlots = 8;

  TQBStringPool();
  uint32_t Intern(const TQBTextBytes& text, int cacheSlot);
  uint32_t Intern(const QString& text);
  const QString& String(uint32_t id) const { return FEntries[id].Text; }
  const QByteArray& Utf8(uint32_t id) const { return FEntries[id].Utf8; }
  uint32_t Size() const { return uint32_t(FEntries.size()); }
  uint32_t FoldId(uint32_t id);
  // UINT32_MAX when no name folds to utf8.
  uint32_t FindFoldId(QByteArrayView utf8);
  void Clear();
  int64_t BytesUsed() const;

private:
  struct TEntry {
    QByteArray Utf8;
    QString Text;
  };
  struct TCache {
    std::string Raw;
    TQBTextEncoding Encoding = TQBTextEncoding::Utf8;
    uint32_t Id = 0;
    bool Valid = false;
  };
  uint32_t InternUtf8(QByteArray utf8);
  void IndexFold(uint32_t id);
  // The slot of the fold class of bytes (whose folded hash is hash): the one that holds it, or the
  // empty one where it would go.
  size_t FoldSlot(QByteArrayView bytes, uint32_t hash) const;
  void GrowFolds();

  std::deque<TEntry> FEntries;
  // Keys view the Utf8 bytes of FEntries, which never move.
  std::unordered_map<std::string_view, uint32_t> FIndex;
  TCache FCache[CacheSlots];
  // The fold table: per id its fold id (empty until first asked); slots holding fold ids + 1 (0 is
  // empty) with their hashes, at most half full.
  std::vector<uint32_t> FFoldIds;
  std::vector<uint32_t> FFoldSlots;
  std::vector<uint32_t> FFoldHashes;
  size_t FFoldClasses = 0;
};
