#pragma once
// The message store: one record set holding every loaded message, shared by the viewer and plug-ins.
//
// Storage is built for logs of millions of messages. Records are fixed-size structs in chunks (no heap
// object per message, no reallocation spike while a log grows). The five short repeated names
// (thread, computer, application, type name, category) are interned: a record holds a small id into
// one string pool. Message texts and details live as UTF-8 bytes in an append-only arena and are decoded
// only when read. Texts arrive either as QString or as raw bytes (UTF-8 or Windows-1252); raw bytes are
// turned into canonical UTF-8 once, on the way in, so every later read and write can use them as they are.
//
// The classic interface has one cursor: Append/Edit, the Set* operations, Post; GotoRec, First/Next and the
// Get* operations read the current record. Readers that walk many records use At(), which reads any record
// without touching the cursor.

#include <quillbox/QuillboxHostExport.h>
#include <quillbox/QuillboxTypes.h>

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TQBTextArena;
class TQBStringPool;
class TQBRecordChunks;
class TQuillboxMessageSet;

// One message as plain fields with its texts as byte views (not owned): what the log reader produces,
// what AppendMessage stores and what the log writer encodes.
struct TQBRawMessage {
  int32_t MsgType = 0;
  int32_t Time = 0;
  int32_t Date = 0;
  int32_t TimeBias = 0;
  uint32_t ProcessID = 0;
  int32_t CategoryColor = 0;
  int32_t CategoryFontColor = clWindowText;
  TQBTextBytes MsgText;
  TQBTextBytes Details;
  TQBTextBytes ThreadName;
  TQBTextBytes ComputerName;
  TQBTextBytes AppName;
  TQBTextBytes Category;
  TQBTextBytes TypeName;
};

// The stored form of one message. Names are pool ids; texts point into the arena.
struct TQBMsgRecord {
  const char* Text = nullptr;
  const char* Details = nullptr;
  uint32_t TextSize = 0;
  uint32_t DetailsSize = 0;
  int32_t MsgType = 0;
  int32_t Time = 0;
  int32_t Date = 0;
  int32_t TimeBias = 0;
  uint32_t ProcessID = 0;
  int32_t ID = 0;
  int32_t CategoryColor = 0;
  int32_t CategoryFontColor = clWindowText;
  uint32_t ThreadName = 0;
  uint32_t ComputerName = 0;
  uint32_t AppName = 0;
  uint32_t TypeName = 0;
  uint32_t Category = 0;
};

// Read-only access to one stored record, without moving the cursor. Cheap to copy; valid until the set
// is emptied or the record is edited.
class QUILLBOX_HOST_EXPORT TQBMessageRef {
public:
  TQBMessageRef(const TQuillboxMessageSet* set, const TQBMsgRecord* record) : FSet(set), FRec(record) {}

  int32_t MsgType() const { return FRec->MsgType; }
  int32_t ID() const { return FRec->ID; }
  TQBTimeStamp TimeStamp() const { return {FRec->Time, FRec->Date}; }
  int32_t TimeBias() const { return FRec->TimeBias; }
  uint32_t ProcessID() const { return FRec->ProcessID; }
  int32_t CategoryColor() const { return FRec->CategoryColor; }
  int32_t CategoryFontColor() const { return FRec->CategoryFontColor; }

  // Texts as stored UTF-8 bytes (no decoding) and as decoded strings.
  QByteArrayView MsgTextUtf8() const { return {FRec->Text, qsizetype(FRec->TextSize)}; }
  QByteArrayView DetailsUtf8() const { return {FRec->Details, qsizetype(FRec->DetailsSize)}; }
  QString MsgText() const;
  QString Details() const;

  // Interned names: ids are equal exactly when the names are equal.
  uint32_t ThreadNameId() const { return FRec->ThreadName; }
  uint32_t ComputerNameId() const { return FRec->ComputerName; }
  uint32_t AppNameId() const { return FRec->AppName; }
  uint32_t TypeNameId() const { return FRec->TypeName; }
  uint32_t CategoryId() const { return FRec->Category; }
  const QString& ThreadName() const;
  const QString& ComputerName() const;
  const QString& AppName() const;
  const QString& TypeName() const;
  const QString& Category() const;
  QByteArrayView ThreadNameUtf8() const;
  QByteArrayView ComputerNameUtf8() const;
  QByteArrayView AppNameUtf8() const;
  QByteArrayView TypeNameUtf8() const;
  QByteArrayView CategoryUtf8() const;

  const TQBMsgRecord& Record() const { return *FRec; }

private:
  const TQuillboxMessageSet* FSet;
  const TQBMsgRecord* FRec;
};

// A message object the caller creates and frees; TQuillboxMessageSet::GetMessage fills it.
class QUILLBOX_HOST_EXPORT TQuillboxMessage {
public:
  int32_t MsgType = 0;
  int32_t ID = 0;
  QString MsgText;
  QString Details;
  TQBTimeStamp TimeStamp;
  int32_t TimeBias = 0;
  uint32_t ProcessID = 0;
  QString ThreadName;
  QString ComputerName;
  QString AppName;
  QString TypeName;
  QString Category;
  int32_t CategoryColor = 0;
  int32_t CategoryFontColor = clWindowText;
};

class QUILLBOX_HOST_EXPORT TQuillboxMessageSet {
public:
  TQuillboxMessageSet();
  ~TQuillboxMessageSet();
  TQuillboxMessageSet(const TQuillboxMessageSet&) = delete;
  TQuillboxMessageSet& operator=(const TQuillboxMessageSet&) = delete;

  // Life cycle. Close empties the set; Open makes it usable again with numbering from 1.
  void Open();
  void Close();
  bool Active() const { return FActive; }

  // Adding (Append ... Post) and editing (Edit ... Post). Outside Append/Edit the setters change the
  // current record at once; the viewer relies on that for SetMsgType.
  void Append();
  void Edit();
  void Post();
  void Cancel();
  // Append, SetID(id), every field of msg, Post, in one call: the fast path for loading.
  // Returns the new record number, which is then current.
  int AppendMessage(int32_t id, const TQBRawMessage& msg);
  void SetID(int32_t value);
  void SetMsgType(int32_t value);
  void SetMsgText(const QString& value);
  void SetMsgText(const TQBTextBytes& value);
  void SetDetails(const QString& value);
  void SetDetails(const TQBTextBytes& value);
  void SetDate(int32_t value);
  void SetTime(int32_t value);
  void SetTimeBias(int32_t value);
  void SetProcessID(uint32_t value);
  void SetThreadName(const QString& value);
  void SetThreadName(const TQBTextBytes& value);
  void SetComputerName(const QString& value);
  void SetComputerName(const TQBTextBytes& value);
  void SetAppName(const QString& value);
  void SetAppName(const TQBTextBytes& value);
  void SetTypeName(const QString& value);
  void SetTypeName(const TQBTextBytes& value);
  void SetCategory(const QString& value);
  void SetCategory(const TQBTextBytes& value);
  void SetCategoryColor(int32_t value);
  void SetCategoryFontColor(int32_t value);

  // Reading the current record (the record being added or edited while Append/Edit is open).
  int32_t GetMsgType() const { return Current().MsgType; }
  int32_t GetID() const { return Current().ID; }
  QString GetMsgText() const;
  QString GetDetails() const;
  TQBTimeStamp GetTimeStamp() const { return {Current().Time, Current().Date}; }
  int32_t GetTimeBias() const { return Current().TimeBias; }
  uint32_t GetProcessID() const { return Current().ProcessID; }
  QString GetThreadName() const { return PoolString(Current().ThreadName); }
  QString GetComputerName() const { return PoolString(Current().ComputerName); }
  QString GetAppName() const { return PoolString(Current().AppName); }
  QString GetTypeName() const { return PoolString(Current().TypeName); }
  QString GetCategory() const { return PoolString(Current().Category); }
  int32_t GetCategoryColor() const { return Current().CategoryColor; }
  int32_t GetCategoryFontColor() const { return Current().CategoryFontColor; }

  // Positioning. Record numbers run from 1 to GetRecordCount(); 0 means no current record.
  int RecNo() const { return FRecNo; }
  void SetRecNo(int recNo) { GotoRec(recNo); }
  void GotoRec(int recNo);
  int GetRecordCount() const { return FCount; }
  void First();
  void Next();
  bool Eof() const { return FRecNo < 1 || FRecNo > FCount || FEof; }

  // Fills msg with record recNo; leaves the cursor where it is.
  void GetMessage(int recNo, TQuillboxMessage& msg) const;

  // Fast reads for code that walks many records. recNo must be in 1..GetRecordCount().
  TQBMessageRef At(int recNo) const { return {this, &RecordAt(recNo)}; }
  // The string of an interned name id (0 is the empty string).
  const QString& PoolString(uint32_t id) const;
  // The UTF-8 bytes of an interned name id.
  QByteArrayView PoolUtf8(uint32_t id) const;
  // Number of distinct interned names, so callers can keep per-name tables indexed by id.
  uint32_t PoolSize() const;
  // Names that are equal once ASCII letters are folded (as the filters and the organizer compare them)
  // share one fold id: the smallest id among them. A filter compares fold ids instead of text, and
  // each name is folded once, however many views ask. The table is built on first use.
  uint32_t PoolFoldId(uint32_t id) const;
  // The fold id of UTF-8 text, or NoPoolId when no interned name folds to the same text (yet).
  uint32_t FindPoolFoldId(QByteArrayView utf8) const;
  static constexpr uint32_t NoPoolId = UINT32_MAX;
  // Changes whenever the pool is emptied (the store was closed): ids and fold ids kept from before
  // may name other names now.
  uint64_t PoolGeneration() const { return FPoolGeneration; }
  // Bytes held by the store, for diagnostics and benchmarks.
  int64_t MemoryUsed() const;

private:
  enum class TState { Browse, Insert, Edit };
  // 4,096 records (320 KiB) a chunk: small enough that an empty or tiny log costs little.
  static constexpr int ChunkBits = 12;
  static constexpr int ChunkSize = 1 << ChunkBits;

  const TQBMsgRecord& RecordAt(int recNo) const {
    const int i = recNo - 1;
    return FChunks[size_t(i) >> ChunkBits][size_t(i) & (ChunkSize - 1)];
  }
  TQBMsgRecord& RecordAt(int recNo) {
    const int i = recNo - 1;
    return FChunks[size_t(i) >> ChunkBits][size_t(i) & (ChunkSize - 1)];
  }
  const TQBMsgRecord& Current() const;
  // Throws unless one more record may be added.
  void CheckRoom() const;
  // Storage for the record after the last one; the caller constructs the record there.
  void* NewSlot();
  TQBMsgRecord* Target();
  void StoreText(const char*& ptr, uint32_t& size, const TQBTextBytes& value);
  void StoreText(const char*& ptr, uint32_t& size, const QString& value);
  void SetName(uint32_t TQBMsgRecord::*field, int cacheSlot, const TQBTextBytes& value);
  void SetName(uint32_t TQBMsgRecord::*field, const QString& value);

  bool FActive = true;
  TState FState = TState::Browse;
  bool FEof = false;
  int FRecNo = 0;
  int FCount = 0;
  TQBMsgRecord FBuffer;
  std::vector<TQBMsgRecord*> FChunks;
  std::unique_ptr<TQBRecordChunks> FChunkMemory;
  std::unique_ptr<TQBTextArena> FArena;
  std::unique_ptr<TQBStringPool> FPool;
  uint64_t FPoolGeneration = 0;
};

// The one message set of the process, created open and empty before any window exists.
QUILLBOX_HOST_EXPORT extern TQuillboxMessageSet MessageSet;
