#include "QBBulkMemory.h"

#include <cstdint>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#define QB_BULK_MMAP 1
#endif

namespace {

#if QB_BULK_MMAP
// Maps size bytes (a multiple of the huge page size) at a huge-page boundary: maps one page more than
// asked and unmaps the unaligned ends. nullptr when the system refuses.
char* MapAligned(size_t size) {
  constexpr size_t align = TQBBulkBlock::HugePageSize;
  const size_t span = size + align;
  void* raw = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  auto* base = static_cast<char*>(raw);
  const auto address = reinterpret_cast<uintptr_t>(base);
  char* aligned = base + ((align - address % align) % align);
  if (aligned > base) ::munmap(base, size_t(aligned - base));
  if (char* end = aligned + size; end < base + span) ::munmap(end, size_t(base + span - end));
#ifdef MADV_HUGEPAGE
  // Only advice: a kernel without transparent huge pages declines, and small pages serve as before.
  ::madvise(aligned, size, MADV_HUGEPAGE);
#endif
  return aligned;
}
#endif

}  // namespace

TQBBulkBlock::TQBBulkBlock(size_t size) {
#if QB_BULK_MMAP
  if (size >= HugePageSize) {
    const size_t rounded = (size + HugePageSize - 1) / HugePageSize * HugePageSize;
    if (char* mapped = MapAligned(rounded)) {
      FData = mapped;
      FSize = rounded;
      FMapped = true;
      return;
    }
  }
#endif
  FData = new char[size];
  FSize = size;
}

TQBBulkBlock::TQBBulkBlock(TQBBulkBlock&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)), FSize(std::exchange(other.FSize, 0)),
      FMapped(std::exchange(other.FMapped, false)) {}

TQBBulkBlock& TQBBulkBlock::operator=(TQBBulkBlock&& other) noexcept {
  if (this != &other) {
    Release();
    FData = std::exchange(other.FData, nullptr);
    FSize = std::exchange(other.FSize, 0);
    FMapped = std::exchange(other.FMapped, false);
  }
  return *this;
}

TQBBulkBlock::~TQBBulkBlock() { Release(); }

void TQBBulkBlock::Release() noexcept {
  if (!FData) return;
#if QB_BULK_MMAP
  if (FMapped) {
    ::munmap(FData, FSize);
    FData = nullptr;
    return;
  }
#endif
  delete[] FData;
  FData = nullptr;
}
