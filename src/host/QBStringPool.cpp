#include "QBStringPool.h"

#include <quillbox/QuillboxText.h>

#include <algorithm>
#include <cstring>
#include <utility>

TQBStringPool::TQBStringPool() { Clear(); }

void TQBStringPool::Clear() {
  FIndex.clear();
  FEntries.clear();
  FEntries.push_back(TEntry{});
  FIndex.emplace(std::string_view(), 0);
  for (auto& c : FCache) c = TCache{};
  FFoldIds.clear();
  FFoldSlots.clear();
  FFoldHashes.clear();
  FFoldClasses = 0;
}

uint32_t TQBStringPool::InternUtf8(QByteArray utf8) {
  const std::string_view key(utf8.constData(), size_t(utf8.size()));
  if (auto it = FIndex.find(key); it != FIndex.end()) return it->second;
  const auto id = uint32_t(FEntries.size());
  FEntries.push_back(TEntry{utf8, QString::fromUtf8(utf8)});
  const QByteArray& stored = FEntries.back().Utf8;
  FIndex.emplace(std::string_view(stored.constData(), size_t(stored.size())), id);
  if (!FFoldIds.empty()) IndexFold(id);
  return id;
}

uint32_t TQBStringPool::Intern(const TQBTextBytes& text, int cacheSlot) {
  TCache& cache = FCache[cacheSlot];
  if (cache.Valid && cache.Encoding == text.Encoding && int64_t(cache.Raw.size()) == text.Size &&
      (text.Size == 0 || std::memcmp(cache.Raw.data(), text.Data, size_t(text.Size)) == 0))
    return cache.Id;

  uint32_t id;
  if (qbtext::IsAscii(text.Data, text.Size)) {
    const std::string_view key(text.Data, size_t(text.Size));
    auto it = FIndex.find(key);
    id = it != FIndex.end() ? it->second : InternUtf8(QByteArray(text.Data, qsizetype(text.Size)));
  } else {
    id = InternUtf8(qbtext::CanonicalUtf8(text));
  }
  if (text.Size > 0) cache.Raw.assign(text.Data, size_t(text.Size));
  else cache.Raw.clear();
  cache.Encoding = text.Encoding;
  cache.Id = id;
  cache.Valid = true;
  return id;
}

uint32_t TQBStringPool::Intern(const QString& text) { return InternUtf8(text.toUtf8()); }

int64_t TQBStringPool::BytesUsed() const {
  int64_t total = 0;
  for (const auto& e : FEntries) total += e.Utf8.size() + e.Text.size() * 2 + 64;
  return total;
}

namespace {

inline uint8_t UpperAsciiByte(uint8_t c) { return (c >= 'a' && c <= 'z') ? uint8_t(c - 32) : c; }

// FNV-1a over the bytes with ASCII letters folded.
uint32_t FoldHash(QByteArrayView bytes) {
  uint32_t h = 2166136261u;
  for (const char c : bytes) h = (h ^ UpperAsciiByte(uint8_t(c))) * 16777619u;
  return h;
}

bool SameFolded(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (UpperAsciiByte(uint8_t(a[i])) != UpperAsciiByte(uint8_t(b[i]))) return false;
  return true;
}

}  // namespace

size_t TQBStringPool::FoldSlot(QByteArrayView bytes, uint32_t hash) const {
  const size_t mask = FFoldSlots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint32_t held = FFoldSlots[i];
    if (held == 0) return i;
    if (FFoldHashes[i] == hash && SameFolded(bytes, FEntries[held - 1].Utf8)) return i;
  }
}

void TQBStringPool::GrowFolds() {
  const std::vector<uint32_t> heldIds = std::exchange(FFoldSlots, {});
  const std::vector<uint32_t> heldHashes = std::exchange(FFoldHashes, {});
  const size_t capacity = std::max<size_t>(1024, heldIds.size() * 2);
  FFoldSlots.assign(capacity, 0);
  FFoldHashes.assign(capacity, 0);
  for (size_t i = 0; i < heldIds.size(); ++i) {
    if (heldIds[i] == 0) continue;
    size_t j = heldHashes[i] & (capacity - 1);
    while (FFoldSlots[j] != 0) j = (j + 1) & (capacity - 1);
    FFoldSlots[j] = heldIds[i];
    FFoldHashes[j] = heldHashes[i];
  }
}

void TQBStringPool::IndexFold(uint32_t id) {
  if ((FFoldClasses + 1) * 2 > FFoldSlots.size()) GrowFolds();
  const QByteArray& utf8 = FEntries[id].Utf8;
  const uint32_t hash = FoldHash(utf8);
  const size_t slot = FoldSlot(utf8, hash);
  // Ids are indexed in increasing order, so the first of a fold class is its smallest id.
  if (FFoldSlots[slot] == 0) {
    FFoldSlots[slot] = id + 1;
    FFoldHashes[slot] = hash;
    ++FFoldClasses;
  }
  FFoldIds.push_back(FFoldSlots[slot] - 1);
}

uint32_t TQBStringPool::FoldId(uint32_t id) {
  if (FFoldIds.empty())
    for (uint32_t i = 0; i < Size(); ++i) IndexFold(i);
  return FFoldIds[id];
}

uint32_t TQBStringPool::FindFoldId(QByteArrayView utf8) {
  if (FFoldIds.empty()) FoldId(0);
  const uint32_t held = FFoldSlots[FoldSlot(utf8, FoldHash(utf8))];
  return held == 0 ? UINT32_MAX : held - 1;
}
