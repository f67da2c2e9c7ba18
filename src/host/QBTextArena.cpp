#include "QBTextArena.h"

#include <algorithm>
#include <cstring>

const char* TQBTextArena::Store(const char* data, size_t size) {
  if (size == 0) return nullptr;
  if (size > MaxBlockSize / 4) {
    auto block = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(block.get(), data, size);
    FReserved += int64_t(size);
    FLarge.push_back(std::move(block));
    return FLarge.back().get();
  }
  if (size > FLeft) {
    while (FNextBlockSize < size) FNextBlockSize *= 2;
    FBlocks.emplace_back(FNextBlockSize);
    FCursor = FBlocks.back().Data();
    FLeft = FBlocks.back().Size();
    FReserved += int64_t(FLeft);
    FNextBlockSize = std::min(FNextBlockSize * 2, MaxBlockSize);
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
  FNextBlockSize = FirstBlockSize;
  FReserved = 0;
}
