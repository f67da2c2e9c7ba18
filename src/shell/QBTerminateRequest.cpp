#include "shell/QBTerminateRequest.h"

#include <atomic>

namespace qbterminate {
namespace {

std::atomic<bool> Flag{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler may only touch a lock-free flag");

}  // namespace

void Request() noexcept { Flag.store(true, std::memory_order_relaxed); }

bool Requested() noexcept { return Flag.load(std::memory_order_relaxed); }

void Reset() noexcept { Flag.store(false, std::memory_order_relaxed); }

}  // namespace qbterminate
