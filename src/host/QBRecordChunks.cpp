#include "QBRecordChunks.h"

#include <algorithm>

void* TQBRecordChunks::NewChunk() {
  if (FBlocks.empty() || (FUsed + 1) * FChunkBytes > FBlocks.back().Size()) {
    FBlocks.emplace_back(FNextChunks * FChunkBytes);
    FUsed = 0;
    FNextChunks = std::min(FNextChunks * 2, MaxChunksPerBlock);
  }
  return FBlocks.back().Data() + FUsed++ * FChunkBytes;
}

void TQBRecordChunks::Clear() {
  FBlocks.clear();
  FUsed = 0;
  FNextChunks = 1;
}
