#pragma once
// Interned names (thread, computer, application, type name, category). Each distinct string gets one
// small id; id 0 is the empty string. Equal strings always get the same id, whatever bytes or encoding
// they arrived in, so callers may compare ids instead of strings.
//
// Loading a log hands the same few names over and over, so each caller slot remembers the raw bytes it
// passed last and their id: the common case is one memcmp and no hashing.

#include <quillbox/QuillboxTypes.h>

#include <QByteArray>
#include <QString>

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

class TQBStringPool {
public:
  static constexpr int CacheSlots = 8;

  TQBStringPool();
  uint32_t Intern(const TQBTextBytes& text, int cacheSlot);
  uint32_t Intern(const QString& text);
  const QString& String(uint32_t id) const { return FEntries[id].Text; }
  const QByteArray& Utf8(uint32_t id) const { return FEntries[id].Utf8; }
  uint32_t Size() const { return uint32_t(FEntries.size()); }
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

  std::deque<TEntry> FEntries;
  // Keys view the Utf8 bytes of FEntries, which never move.
  std::unordered_map<std::string_view, uint32_t> FIndex;
  TCache FCache[CacheSlots];
};
