#pragma once
// Append-only storage for message texts. Bytes never move once stored, so records can point at them.
// Memory comes in blocks that start small (a short log stays small) and double up to 4 MiB, the larger
// ones offered for huge pages (TQBBulkBlock); a text larger than a quarter of the largest block gets a
// block of its own, so the slack at the end of a block stays small.

#include "QBBulkMemory.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TQBTextArena {
public:
  // Copies size bytes and returns where they now live (nullptr for an empty text).
  const char* Store(const char* data, size_t size);
  void Clear();
  int64_t BytesReserved() const { return FReserved; }

private:
  static constexpr size_t FirstBlockSize = size_t(64) << 10;
  static constexpr size_t MaxBlockSize = size_t(4) << 20;
  std::vector<TQBBulkBlock> FBlocks;             // shared blocks; the last one is being filled
  std::vector<std::unique_ptr<char[]>> FLarge;   // one block per large text
  char* FCursor = nullptr;
  size_t FLeft = 0;
  size_t FNextBlockSize = FirstBlockSize;
  int64_t FReserved = 0;
};
