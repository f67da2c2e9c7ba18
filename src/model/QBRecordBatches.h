#pragma once
// Reads records on a thread of their own, in batches, while the caller stores the batches before them:
// on a machine with a core to spare, reading and checking the next records overlaps with adding the
// last ones. The reader is the same TQBLogReader with the same checks; each batch holds copies of its
// records' texts, so they stay valid while the reader goes on. Batches come out in file order, and
// the last one says how reading ended.

#include "model/QBLogReader.h"
#include "model/QBRawMessage.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct TQBBatchRecord {
  TQBRawMessage Message;  // texts point into the batch
  int64_t EndOffset = 0;  // the reader's position after the record
  bool BodyCut = false;
};

struct TQBRecordBatch {
  std::vector<TQBBatchRecord> Records;
  // Set on the last batch: why reading ended (End, Incomplete or Invalid), with the reader's reason
  // and offset for Invalid and its position then.
  bool Last = false;
  TQBLogReader::TResult Ending = TQBLogReader::TResult::End;
  QString InvalidReason;
  int64_t InvalidOffset = -1;
  int64_t EndPosition = 0;

  void Clear();
  // Copies msg's texts into the batch and appends it.
  void Add(const TQBRawMessage& msg, int64_t endOffset, bool bodyCut);

private:
  TQBTextBytes Keep(const TQBTextBytes& text);
  // Text storage in blocks that never move, so the records' views stay valid as the batch grows. The
  // blocks of the usual size are kept for the next filling; one made for a large text is let go.
  std::vector<std::unique_ptr<char[]>> FBlocks;
  std::vector<std::unique_ptr<char[]>> FLarge;
  size_t FBlock = 0;  // the block being filled
  size_t FUsed = 0;   // bytes used in it

public:
  // Text bytes held, to end a batch before it grows large.
  size_t TextBytes = 0;
};

class TQBBatchReader {
public:
  // Starts reading from reader, which must be open and stays untouched by the caller until this
  // object is gone.
  explicit TQBBatchReader(TQBLogReader& reader);
  // Stops the reading thread and waits for it.
  ~TQBBatchReader();
  TQBBatchReader(const TQBBatchReader&) = delete;
  TQBBatchReader& operator=(const TQBBatchReader&) = delete;

  // The next batch in file order, waiting for it; valid until the next call. After the batch marked
  // Last there is none. What the reading thread threw (out of memory) is thrown here, after the
  // batches read before it.
  const TQBRecordBatch& Next();

private:
  void Read(std::stop_token stop);
  std::unique_ptr<TQBRecordBatch> Fill(std::unique_ptr<TQBRecordBatch> batch, const std::stop_token& stop);

  TQBLogReader& FReader;
  std::mutex FMutex;
  std::condition_variable_any FChanged;
  std::deque<std::unique_ptr<TQBRecordBatch>> FFull;  // read, waiting for the caller
  std::vector<std::unique_ptr<TQBRecordBatch>> FFree;  // given back, to be filled again
  std::unique_ptr<TQBRecordBatch> FCurrent;            // the caller's
  std::exception_ptr FFailure;                         // what ended the reading thread early
  std::jthread FThread;  // last: starts once everything above is ready, stops first
};
