#pragma once
// Large blocks of memory for the store's records and texts, which fill millions of fresh pages while
// a big log loads. A block of 2 MiB or more is mapped on its own, aligned to 2 MiB and offered to the
// kernel for huge pages, so a fault fills 2 MiB instead of 4 KiB and the final unmap releases a few
// large pages instead of many small ones. Where huge pages are off or mapping fails, the block comes
// from the ordinary heap, and nothing else changes. A block's bytes are uninitialised.

#include <cstddef>

class TQBBulkBlock {
public:
  // The size from which a block is mapped on its own and offered for huge pages.
  static constexpr size_t HugePageSize = size_t(2) << 20;

  TQBBulkBlock() = default;
  // At least size bytes (size > 0); throws std::bad_alloc when there is no memory.
  explicit TQBBulkBlock(size_t size);
  TQBBulkBlock(TQBBulkBlock&& other) noexcept;
  TQBBulkBlock& operator=(TQBBulkBlock&& other) noexcept;
  TQBBulkBlock(const TQBBulkBlock&) = delete;
  TQBBulkBlock& operator=(const TQBBulkBlock&) = delete;
  ~TQBBulkBlock();

  char* Data() const { return FData; }
  size_t Size() const { return FSize; }

private:
  void Release() noexcept;

  char* FData = nullptr;
  size_t FSize = 0;
  bool FMapped = false;  // from mmap (else from operator new[])
};
