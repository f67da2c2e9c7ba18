#include "QBTextArena.h"

#include <cstring>

const char* TQBTextArena::Store(const char* data, size_t size) {
  if (size == 0) return nullptr;
  if (size > BlockSize / 4) {
    auto block = std::make_unique<char[]>(size);
    std::memcpy(block.get(), data, size);
    FReserved += int64_t(size);
    FLarge.push_back(std::move(block));
    return FLarge.back().get();
  }
  if (size > FLeft) {
    FBlocks.push_back(std::make_unique_for_overwrite<char[]>(BlockSize));
    FCursor = FBlocks.back().get();
    FLeft = BlockSize;
    FReserved += int64_t(BlockSize);
  }
  char* out = FCursor;
  std::memcpy(out, data, size);
  FCursor += size;
  FLeft -= size;
  return out;
}

void TQBTextArena::Clear() {
  FBlocks.clear();
  FLarge.clear();
  FCursor = nullptr;
  FLeft = 0;
  FReserved = 0;
}
