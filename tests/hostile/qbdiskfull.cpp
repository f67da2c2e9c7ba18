// libqbdiskfull.so: a full disk for one folder, without privileges. Loaded with LD_PRELOAD, it makes
// every write(2) to a file under the folder named by QB_DISK_FULL fail with ENOSPC, as writing onto
// a full file system does; other writes go through. The hostile input test runs qbltool's outputs
// with it to see that they report the system's reason and leave the previous file whole.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <unistd.h>

namespace {

bool OnFullDisk(int fd) {
  const char* folder = std::getenv("QB_DISK_FULL");
  if (!folder || !*folder) return false;
  char link[64], path[4096];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = ::readlink(link, path, sizeof path - 1);
  if (n <= 0) return false;
  path[n] = 0;
  return std::strncmp(path, folder, std::strlen(folder)) == 0;
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  using TWrite = ssize_t (*)(int, const void*, size_t);
  static const auto real = reinterpret_cast<TWrite>(::dlsym(RTLD_NEXT, "write"));
  if (count > 0 && OnFullDisk(fd)) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, buffer, count);
}
