#include "model/QBFileId.h"

#include <QFile>

#include <sys/stat.h>

namespace qbfile {
namespace {

TQBFileId IdOf(const struct stat& st) {
  return {uint64_t(st.st_dev), uint64_t(st.st_ino), S_ISREG(st.st_mode)};
}

}  // namespace

TQBFileId IdOfHandle(int handle) {
  struct stat st;
  if (handle < 0 || ::fstat(handle, &st) != 0) return {};
  return IdOf(st);
}

TQBFileId IdOfPath(const QString& path) {
  struct stat st;
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
  return IdOf(st);
}

}  // namespace qbfile
