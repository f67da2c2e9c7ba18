#include "QBStringPool.h"

#include <quillbox/QuillboxText.h>

#include <cstring>

TQBStringPool::TQBStringPool() { Clear(); }

void TQBStringPool::Clear() {
  FIndex.clear();
  FEntries.clear();
  FEntries.push_back(TEntry{});
  FIndex.emplace(std::string_view(), 0);
  for (auto& c : FCache) c = TCache{};
  FFoldIds.clear();
  FFolds.clear();
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

}  // namespace

QByteArrayView TQBStringPool::FoldBytes(uint32_t id) const {
  if (id == ProbeId) return FProbe;
  const QByteArray& utf8 = FEntries[id].Utf8;
  return {utf8.constData(), utf8.size()};
}

size_t TQBStringPool::TFoldHash::operator()(uint32_t id) const {
  // FNV-1a over the folded bytes.
  uint64_t h = 1469598103934665603ull;
  for (const char c : Pool->FoldBytes(id)) h = (h ^ UpperAsciiByte(uint8_t(c))) * 1099511628211ull;
  return size_t(h);
}

bool TQBStringPool::TFoldEqual::operator()(uint32_t a, uint32_t b) const {
  const QByteArrayView x = Pool->FoldBytes(a), y = Pool->FoldBytes(b);
  if (x.size() != y.size()) return false;
  for (qsizetype i = 0; i < x.size(); ++i)
    if (UpperAsciiByte(uint8_t(x[i])) != UpperAsciiByte(uint8_t(y[i]))) return false;
  return true;
}

void TQBStringPool::IndexFold(uint32_t id) {
  // Ids are indexed in increasing order, so the first of a fold class is its smallest id.
  FFoldIds.push_back(*FFolds.insert(id).first);
}

uint32_t TQBStringPool::FoldId(uint32_t id) {
  if (FFoldIds.empty())
    for (uint32_t i = 0; i < Size(); ++i) IndexFold(i);
  return FFoldIds[id];
}

uint32_t TQBStringPool::FindFoldId(QByteArrayView utf8) {
  if (FFoldIds.empty()) FoldId(0);
  FProbe = utf8;
  const auto it = FFolds.find(ProbeId);
  FProbe = {};
  return it == FFolds.end() ? ProbeId : *it;
}
