#pragma once
// Reads a .qbl file record by record and checks each header; the caller turns records into messages.
//
// Reading is buffered in large blocks, so a record costs no system call of its own. A body that claims
// more bytes than the file holds is never allocated in full: only the bytes present are read, and the
// rest counts as zero, which ends the text there, exactly as a zero-filled buffer would. A large body
// is streamed: the reader keeps each text only up to its first NUL and skips the rest of what the
// header claims, so a sparse file that claims gigabytes of zeros costs no memory for them.
//
// A file that another program is still writing may end inside a record. With complete records only,
// such a record is not read: Next answers Incomplete and RecordOffset() says where it starts, so a
// new reader opened at that offset reads it once it is whole. Every check of a record is the same
// in both modes.

#include "model/QBFileId.h"
#include "model/QBRawMessage.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

class TQBLogReader {
public:
  enum class TResult { Record, End, Invalid, Incomplete };
  enum class TRecordKind { MarkedUtf8, MarkedAnsi, Legacy };

  TQBLogReader() = default;
  ~TQBLogReader();
  TQBLogReader(const TQBLogReader&) = delete;
  TQBLogReader& operator=(const TQBLogReader&) = delete;

  // False when the file cannot be opened; ErrorString() then gives the system's reason. Reading starts
  // at offset, which must be the start of a record.
  bool Open(const QString& path, int64_t offset = 0);
  // Records that the file does not hold whole yet are left for a later reader (Incomplete) instead of
  // being read with zeros (a short body) or rejected (a short header).
  void SetCompleteRecordsOnly(bool on) { FCompleteOnly = on; }
  // With complete records only: a record that is not whole yet and whose body claims more than bytes
  // is invalid instead of waited for. Waiting for a header that claims gigabytes would take every
  // record written after it as its body, and nothing would ever come in.
  void SetMaxWaitedBody(int64_t bytes) { FMaxWaitedBody = bytes; }
  // The size of the read buffer that Open sets up (1 MiB unless set); it grows for a larger record.
  // A merge reads many logs at once and gives each a share, so together they hold no more than one.
  void SetInitialBuffer(size_t bytes) { FInitialBuffer = std::max<size_t>(bytes, 4096); }
  // Reads the next record into msg, whose texts stay valid until the next call.
  TResult Next(TQBRawMessage& msg);

  QString ErrorString() const { return FErrorString; }
  // Why the last record was rejected (after Next returned Invalid).
  QString InvalidReason() const { return FInvalidReason; }
  // Whether the record Next last read was cut short by the end of the file (read with zeros).
  bool BodyCut() const { return FBodyCut; }
  // Byte offset of the record that Next last read or rejected.
  int64_t RecordOffset() const { return FRecordOffset; }
  TRecordKind Kind() const { return FKind; }
  // Bytes consumed so far and the file's size, for progress.
  int64_t Position() const { return FBufferOffset + int64_t(FBegin); }
  int64_t FileSize() const { return FFileSize; }
  // Up to size bytes from the start of the file, read without disturbing the reading of records.
  QByteArray FirstBytes(int size) const;
  // The identity of the opened file, to tell it from a file that later takes its name.
  const TQBFileId& FileId() const { return FFileId; }

private:
  size_t Ensure(size_t wanted);
  void Consume(size_t n) { FBegin += n; }
  const char* Data() const { return FBuffer.data() + FBegin; }
  TResult Reject(const char* reason);
  TResult Reject(QString reason);
  // The record at FRecordOffset is not whole: this reader stops there.
  TResult LeaveIncomplete();
  bool CheckHeader(int32_t time, int32_t date, int32_t bias, int32_t textLength, int32_t detailsLength,
                   int64_t allowance);
  void ReadBody(TQBRawMessage& msg, int32_t textLength, int32_t detailsLength, TQBTextEncoding textEncoding);
  void StreamBody(TQBRawMessage& msg, int32_t textLength, int32_t detailsLength, TQBTextEncoding textEncoding);
  // Appends the next bytes up to the first NUL (at most length) to FBody and skips the rest of length;
  // false when the file ended first.
  bool KeepUntilNul(size_t length);
  // Moves past n bytes without reading those the buffer does not hold.
  void Skip(size_t n);
  void ParseMarked(const char* h, TQBRawMessage& msg, TQBTextEncoding nameEncoding);
  void ParseLegacy(const char* h, uint32_t code, TQBRawMessage& msg);

  QFile FFile;
  std::vector<char> FBuffer;
  std::vector<char> FBody;  // the kept texts of a streamed body
  size_t FBegin = 0;  // first unread byte in FBuffer
  size_t FEnd = 0;    // one past the last byte read into FBuffer
  int64_t FBufferOffset = 0;  // file offset of FBuffer[0]
  int64_t FFileSize = 0;
  bool FEof = false;
  bool FCompleteOnly = false;
  size_t FInitialBuffer = size_t(1) << 20;
  int64_t FMaxWaitedBody = std::numeric_limits<int64_t>::max();
  bool FBodyCut = false;
  TQBFileId FFileId;
  int64_t FRecordOffset = 0;
  TRecordKind FKind = TRecordKind::MarkedUtf8;
  char FHeader[256] = {};
  char FThreadDigits[16] = {};
  QString FErrorString;
  QString FInvalidReason;
};
