#pragma once
// Which file a name stands for at a moment: its device and inode. A log that is rotated or replaced
// keeps its name but gets a new identity, which is how a reader following it notices.

#include <QString>

#include <cstdint>

struct TQBFileId {
  uint64_t Device = 0;
  uint64_t Inode = 0;
  bool Regular = false;  // a plain file, not a pipe, device or folder
  bool Valid() const { return Inode != 0; }
  bool SameFile(const TQBFileId& other) const { return Device == other.Device && Inode == other.Inode; }
};

namespace qbfile {
// The identity of an open file; not valid when the handle is not.
TQBFileId IdOfHandle(int handle);
// The identity of the file a path names now; not valid when there is none.
TQBFileId IdOfPath(const QString& path);
}  // namespace qbfile
