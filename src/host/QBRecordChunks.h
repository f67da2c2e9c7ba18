#pragma once
// Hands out the store's record chunks (fixed-size arrays of records) from a few large blocks instead
// of one allocation each. Blocks start at one chunk, so a short log stays small, and double up to
// MaxChunksPerBlock; a chunk is uninitialised memory that the store constructs records in one by one,
// so a chunk costs nothing until records are written into it.

#include "QBBulkMemory.h"

#include <cstddef>
#include <vector>

class TQBRecordChunks {
public:
  explicit TQBRecordChunks(size_t chunkBytes) : FChunkBytes(chunkBytes) {}
  // Room for one more chunk, aligned for any record; valid until Clear.
  void* NewChunk();
  void Clear();

private:
  static constexpr size_t MaxChunksPerBlock = 64;

  size_t FChunkBytes;
  std::vector<TQBBulkBlock> FBlocks;  // the last one is being handed out
  size_t FUsed = 0;                   // chunks handed out of the last block
  size_t FNextChunks = 1;             // chunks to ask for in the next block
};
