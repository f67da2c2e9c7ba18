#pragma once
// A write that fails part-way, as onto a full disk, without privileges: a file size limit makes the
// system refuse the bytes beyond it (EFBIG in place of ENOSPC), and the signal it raises is ignored.

#include <csignal>

#include <sys/resource.h>

namespace qbtest {

// Runs f with files limited to bytes and returns what f returns.
template <typename F>
auto WithFileSizeLimit(rlim_t bytes, F f) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limited);
  struct TRestore {
    rlimit Saved;
    ~TRestore() { setrlimit(RLIMIT_FSIZE, &Saved); }
  } restore{saved};
  return f();
}

}  // namespace qbtest
