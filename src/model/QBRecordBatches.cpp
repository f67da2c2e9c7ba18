#include "model/QBRecordBatches.h"

#include <cstring>

namespace {

constexpr size_t kBlockSize = size_t(256) << 10;
// A batch ends after this many records or text bytes, whichever comes first; a few batches in flight
// keep the reader ahead without holding much memory.
constexpr size_t kBatchRecords = 2048;
constexpr size_t kBatchTextBytes = size_t(1) << 20;
constexpr size_t kBatchesAhead = 4;

}  // namespace

void TQBRecordBatch::Clear() {
  Records.clear();
  FLarge.clear();
  FBlock = 0;
  FUsed = 0;
  TextBytes = 0;
  Last = false;
  Ending = TQBLogReader::TResult::End;
  InvalidReason.clear();
  InvalidOffset = -1;
  EndPosition = 0;
}

TQBTextBytes TQBRecordBatch::Keep(const TQBTextBytes& text) {
  if (text.Size <= 0) return {nullptr, 0, text.Encoding};
  const auto size = size_t(text.Size);
  char* out;
  if (size > kBlockSize / 4) {
    FLarge.push_back(std::make_unique_for_overwrite<char[]>(size));
    out = FLarge.back().get();
  } else {
    if (FBlocks.empty() || FUsed + size > kBlockSize) {
      if (!FBlocks.empty()) ++FBlock;
      if (FBlock == FBlocks.size()) FBlocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
      FUsed = 0;
    }
    out = FBlocks[FBlock].get() + FUsed;
    FUsed += size;
  }
  std::memcpy(out, text.Data, size);
  TextBytes += size;
  return {out, text.Size, text.Encoding};
}

void TQBRecordBatch::Add(const TQBRawMessage& msg, int64_t endOffset, bool bodyCut) {
  TQBRawMessage kept = msg;
  kept.MsgText = Keep(msg.MsgText);
  kept.Details = Keep(msg.Details);
  kept.ThreadName = Keep(msg.ThreadName);
  kept.ComputerName = Keep(msg.ComputerName);
  kept.AppName = Keep(msg.AppName);
  kept.Category = Keep(msg.Category);
  kept.TypeName = Keep(msg.TypeName);
  Records.push_back({kept, endOffset, bodyCut});
}

TQBBatchReader::TQBBatchReader(TQBLogReader& reader)
    : FReader(reader), FThread([this](std::stop_token stop) {
        try {
          Read(stop);
        } catch (...) {
          {
            std::lock_guard lock(FMutex);
            FFailure = std::current_exception();
          }
          FChanged.notify_all();
        }
      }) {}

TQBBatchReader::~TQBBatchReader() {
  FThread.request_stop();
  FThread.join();
}

std::unique_ptr<TQBRecordBatch> TQBBatchReader::Fill(std::unique_ptr<TQBRecordBatch> batch,
                                                     const std::stop_token& stop) {
  batch->Clear();
  TQBRawMessage msg;
  while (batch->Records.size() < kBatchRecords && batch->TextBytes < kBatchTextBytes && !stop.stop_requested()) {
    const auto read = FReader.Next(msg);
    if (read != TQBLogReader::TResult::Record) {
      batch->Last = true;
      batch->Ending = read;
      if (read == TQBLogReader::TResult::Invalid) {
        batch->InvalidReason = FReader.InvalidReason();
        batch->InvalidOffset = FReader.RecordOffset();
      }
      break;
    }
    batch->Add(msg, FReader.Position(), FReader.BodyCut());
  }
  batch->EndPosition = FReader.Position();
  return batch;
}

void TQBBatchReader::Read(std::stop_token stop) {
  for (;;) {
    std::unique_ptr<TQBRecordBatch> batch;
    {
      std::unique_lock lock(FMutex);
      if (!FChanged.wait(lock, stop, [this] { return FFull.size() < kBatchesAhead; })) return;
      if (!FFree.empty()) {
        batch = std::move(FFree.back());
        FFree.pop_back();
      }
    }
    if (!batch) batch = std::make_unique<TQBRecordBatch>();
    batch = Fill(std::move(batch), stop);
    const bool last = batch->Last;
    {
      std::lock_guard lock(FMutex);
      FFull.push_back(std::move(batch));
    }
    FChanged.notify_all();
    if (last || stop.stop_requested()) return;
  }
}

const TQBRecordBatch& TQBBatchReader::Next() {
  std::unique_lock lock(FMutex);
  if (FCurrent) FFree.push_back(std::move(FCurrent));
  FChanged.wait(lock, [this] { return !FFull.empty() || FFailure; });
  if (FFull.empty()) std::rethrow_exception(FFailure);
  FCurrent = std::move(FFull.front());
  FFull.pop_front();
  lock.unlock();
  FChanged.notify_all();
  return *FCurrent;
}
