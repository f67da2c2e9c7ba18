#include <quillbox/QuillboxMessageSet.h>

#include "QBRecordChunks.h"
#include "QBStringPool.h"
#include "QBTextArena.h"
#include <quillbox/QuillboxText.h>

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

TQuillboxMessageSet MessageSet;

namespace {

// Cache slots of the string pool, one per name field, so repeated names skip hashing.
enum TNameSlot { nsThread, nsComputer, nsApp, nsTypeName, nsCategory };

const TQBMsgRecord kEmptyRecord{};

uint32_t CheckedSize(int64_t size) {
  // A single text of 4 GiB or more cannot come from a log record (lengths are int32) or the editor.
  if (size < 0 || size > int64_t(std::numeric_limits<uint32_t>::max()))
    throw std::length_error("Message text is too long for the message store.");
  return uint32_t(size);
}

}  // namespace

QString TQBMessageRef::MsgText() const { return QString::fromUtf8(FRec->Text, qsizetype(FRec->TextSize)); }
QString TQBMessageRef::Details() const {
  return QString::fromUtf8(FRec->Details, qsizetype(FRec->DetailsSize));
}
const QString& TQBMessageRef::ThreadName() const { return FSet->PoolString(FRec->ThreadName); }
const QString& TQBMessageRef::ComputerName() const { return FSet->PoolString(FRec->ComputerName); }
const QString& TQBMessageRef::AppName() const { return FSet->PoolString(FRec->AppName); }
const QString& TQBMessageRef::TypeName() const { return FSet->PoolString(FRec->TypeName); }
const QString& TQBMessageRef::Category() const { return FSet->PoolString(FRec->Category); }
QByteArrayView TQBMessageRef::ThreadNameUtf8() const { return FSet->PoolUtf8(FRec->ThreadName); }
QByteArrayView TQBMessageRef::ComputerNameUtf8() const { return FSet->PoolUtf8(FRec->ComputerName); }
QByteArrayView TQBMessageRef::AppNameUtf8() const { return FSet->PoolUtf8(FRec->AppName); }
QByteArrayView TQBMessageRef::TypeNameUtf8() const { return FSet->PoolUtf8(FRec->TypeName); }
QByteArrayView TQBMessageRef::CategoryUtf8() const { return FSet->PoolUtf8(FRec->Category); }

TQuillboxMessageSet::TQuillboxMessageSet()
    : FChunkMemory(std::make_unique<TQBRecordChunks>(sizeof(TQBMsgRecord) * ChunkSize)),
      FArena(std::make_unique<TQBTextArena>()),
      FPool(std::make_unique<TQBStringPool>()) {}

TQuillboxMessageSet::~TQuillboxMessageSet() = default;

void TQuillboxMessageSet::Open() { FActive = true; }

void TQuillboxMessageSet::Close() {
  FActive = false;
  FState = TState::Browse;
  FEof = false;
  FRecNo = 0;
  FCount = 0;
  FBuffer = TQBMsgRecord{};
  FChunks.clear();
  FChunkMemory->Clear();
  FArena->Clear();
  FPool->Clear();
  ++FPoolGeneration;
}

const TQBMsgRecord& TQuillboxMessageSet::Current() const {
  if (FState != TState::Browse) return FBuffer;
  if (FRecNo < 1 || FRecNo > FCount) return kEmptyRecord;
  return RecordAt(FRecNo);
}

// Where a setter writes: the edit buffer inside Append/Edit, else the current record itself.
TQBMsgRecord* TQuillboxMessageSet::Target() {
  if (FState != TState::Browse) return &FBuffer;
  if (FRecNo < 1 || FRecNo > FCount) throw std::out_of_range("The message set has no current record.");
  return &RecordAt(FRecNo);
}

void TQuillboxMessageSet::CheckRoom() const {
  if (!FActive) throw std::logic_error("The message set is not open.");
  if (FCount == std::numeric_limits<int>::max()) throw std::length_error("The message set is full.");
}

void TQuillboxMessageSet::Append() {
  CheckRoom();
  FBuffer = TQBMsgRecord{};
  FState = TState::Insert;
}

void TQuillboxMessageSet::Edit() {
  if (FRecNo < 1 || FRecNo > FCount) throw std::out_of_range("The message set has no current record.");
  FBuffer = RecordAt(FRecNo);
  FState = TState::Edit;
}

// The slot after the last record, in a new chunk when the last one is full. The chunk is raw memory:
// writing each record once, when it is added, is all the first touch of its pages costs.
void* TQuillboxMessageSet::NewSlot() {
  const size_t index = size_t(FCount);
  if ((index >> ChunkBits) == FChunks.size())
    FChunks.push_back(static_cast<TQBMsgRecord*>(FChunkMemory->NewChunk()));
  return FChunks[index >> ChunkBits] + (index & (ChunkSize - 1));
}

void TQuillboxMessageSet::Post() {
  if (FState == TState::Insert) {
    ::new (NewSlot()) TQBMsgRecord(FBuffer);
    FRecNo = ++FCount;
  } else if (FState == TState::Edit && FRecNo >= 1 && FRecNo <= FCount) {
    RecordAt(FRecNo) = FBuffer;
  }
  FState = TState::Browse;
  FEof = false;
}

int TQuillboxMessageSet::AppendMessage(int32_t id, const TQBRawMessage& msg) {
  CheckRoom();
  // Build the new record in its slot: loading calls this once per message, so skip the edit buffer.
  const char* text;
  const char* details;
  uint32_t textSize, detailsSize;
  StoreText(text, textSize, msg.MsgText);
  StoreText(details, detailsSize, msg.Details);
  ::new (NewSlot()) TQBMsgRecord{.Text = text,
                                 .Details = details,
                                 .TextSize = textSize,
                                 .DetailsSize = detailsSize,
                                 .MsgType = msg.MsgType,
                                 .Time = msg.Time,
                                 .Date = msg.Date,
                                 .TimeBias = msg.TimeBias,
                                 .ProcessID = msg.ProcessID,
                                 .ID = id,
                                 .CategoryColor = msg.CategoryColor,
                                 .CategoryFontColor = msg.CategoryFontColor,
                                 .ThreadName = FPool->Intern(msg.ThreadName, nsThread),
                                 .ComputerName = FPool->Intern(msg.ComputerName, nsComputer),
                                 .AppName = FPool->Intern(msg.AppName, nsApp),
                                 .TypeName = FPool->Intern(msg.TypeName, nsTypeName),
                                 .Category = FPool->Intern(msg.Category, nsCategory)};
  FState = TState::Browse;
  FEof = false;
  return FRecNo = ++FCount;
}

void TQuillboxMessageSet::Cancel() { FState = TState::Browse; }

void TQuillboxMessageSet::StoreText(const char*& ptr, uint32_t& size, const TQBTextBytes& value) {
  const uint32_t checked = CheckedSize(value.Size);
  if (qbtext::IsAscii(value.Data, value.Size)) {
    ptr = FArena->Store(value.Data, checked);
    size = checked;
    return;
  }
  const QByteArray utf8 = qbtext::CanonicalUtf8(value);
  size = CheckedSize(utf8.size());
  ptr = FArena->Store(utf8.constData(), size);
}

void TQuillboxMessageSet::StoreText(const char*& ptr, uint32_t& size, const QString& value) {
  const QByteArray utf8 = value.toUtf8();
  size = CheckedSize(utf8.size());
  ptr = FArena->Store(utf8.constData(), size);
}

void TQuillboxMessageSet::SetName(uint32_t TQBMsgRecord::*field, int cacheSlot, const TQBTextBytes& value) {
  TQBMsgRecord* rec = Target();
  rec->*field = FPool->Intern(value, cacheSlot);
}

void TQuillboxMessageSet::SetName(uint32_t TQBMsgRecord::*field, const QString& value) {
  TQBMsgRecord* rec = Target();
  rec->*field = FPool->Intern(value);
}

void TQuillboxMessageSet::SetID(int32_t value) { Target()->ID = value; }
void TQuillboxMessageSet::SetMsgType(int32_t value) { Target()->MsgType = value; }
void TQuillboxMessageSet::SetDate(int32_t value) { Target()->Date = value; }
void TQuillboxMessageSet::SetTime(int32_t value) { Target()->Time = value; }
void TQuillboxMessageSet::SetTimeBias(int32_t value) { Target()->TimeBias = value; }
void TQuillboxMessageSet::SetProcessID(uint32_t value) { Target()->ProcessID = value; }
void TQuillboxMessageSet::SetCategoryColor(int32_t value) { Target()->CategoryColor = value; }
void TQuillboxMessageSet::SetCategoryFontColor(int32_t value) { Target()->CategoryFontColor = value; }

void TQuillboxMessageSet::SetMsgText(const QString& value) {
  TQBMsgRecord* rec = Target();
  StoreText(rec->Text, rec->TextSize, value);
}
void TQuillboxMessageSet::SetMsgText(const TQBTextBytes& value) {
  TQBMsgRecord* rec = Target();
  StoreText(rec->Text, rec->TextSize, value);
}
void TQuillboxMessageSet::SetDetails(const QString& value) {
  TQBMsgRecord* rec = Target();
  StoreText(rec->Details, rec->DetailsSize, value);
}
void TQuillboxMessageSet::SetDetails(const TQBTextBytes& value) {
  TQBMsgRecord* rec = Target();
  StoreText(rec->Details, rec->DetailsSize, value);
}

void TQuillboxMessageSet::SetThreadName(const QString& v) { SetName(&TQBMsgRecord::ThreadName, v); }
void TQuillboxMessageSet::SetThreadName(const TQBTextBytes& v) { SetName(&TQBMsgRecord::ThreadName, nsThread, v); }
void TQuillboxMessageSet::SetComputerName(const QString& v) { SetName(&TQBMsgRecord::ComputerName, v); }
void TQuillboxMessageSet::SetComputerName(const TQBTextBytes& v) {
  SetName(&TQBMsgRecord::ComputerName, nsComputer, v);
}
void TQuillboxMessageSet::SetAppName(const QString& v) { SetName(&TQBMsgRecord::AppName, v); }
void TQuillboxMessageSet::SetAppName(const TQBTextBytes& v) { SetName(&TQBMsgRecord::AppName, nsApp, v); }
void TQuillboxMessageSet::SetTypeName(const QString& v) { SetName(&TQBMsgRecord::TypeName, v); }
void TQuillboxMessageSet::SetTypeName(const TQBTextBytes& v) { SetName(&TQBMsgRecord::TypeName, nsTypeName, v); }
void TQuillboxMessageSet::SetCategory(const QString& v) { SetName(&TQBMsgRecord::Category, v); }
void TQuillboxMessageSet::SetCategory(const TQBTextBytes& v) { SetName(&TQBMsgRecord::Category, nsCategory, v); }

QString TQuillboxMessageSet::GetMsgText() const {
  const TQBMsgRecord& r = Current();
  return QString::fromUtf8(r.Text, qsizetype(r.TextSize));
}

QString TQuillboxMessageSet::GetDetails() const {
  const TQBMsgRecord& r = Current();
  return QString::fromUtf8(r.Details, qsizetype(r.DetailsSize));
}

void TQuillboxMessageSet::GotoRec(int recNo) {
  FState = TState::Browse;
  FRecNo = recNo < 1 || recNo > FCount ? (FCount == 0 ? 0 : std::clamp(recNo, 1, FCount)) : recNo;
  FEof = FCount == 0;
}

void TQuillboxMessageSet::First() { GotoRec(1); }

void TQuillboxMessageSet::Next() {
  if (FRecNo < FCount) ++FRecNo;
  else FEof = true;
}

void TQuillboxMessageSet::GetMessage(int recNo, TQuillboxMessage& msg) const {
  const TQBMessageRef m = At(recNo);
  msg.MsgType = m.MsgType();
  msg.ID = m.ID();
  msg.MsgText = m.MsgText();
  msg.Details = m.Details();
  msg.TimeStamp = m.TimeStamp();
  msg.TimeBias = m.TimeBias();
  msg.ProcessID = m.ProcessID();
  msg.ThreadName = m.ThreadName();
  msg.ComputerName = m.ComputerName();
  msg.AppName = m.AppName();
  msg.TypeName = m.TypeName();
  msg.Category = m.Category();
  msg.CategoryColor = m.CategoryColor();
  msg.CategoryFontColor = m.CategoryFontColor();
}

const QString& TQuillboxMessageSet::PoolString(uint32_t id) const { return FPool->String(id); }
QByteArrayView TQuillboxMessageSet::PoolUtf8(uint32_t id) const { return FPool->Utf8(id); }
uint32_t TQuillboxMessageSet::PoolSize() const { return FPool->Size(); }
uint32_t TQuillboxMessageSet::PoolFoldId(uint32_t id) const { return FPool->FoldId(id); }
uint32_t TQuillboxMessageSet::FindPoolFoldId(QByteArrayView utf8) const { return FPool->FindFoldId(utf8); }

int64_t TQuillboxMessageSet::MemoryUsed() const {
  return int64_t(FChunks.size()) * ChunkSize * int64_t(sizeof(TQBMsgRecord)) + FArena->BytesReserved() +
         FPool->BytesUsed();
}
