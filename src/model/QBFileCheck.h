#pragma once
// The one check of file paths that come from outside (a log to open, a project or settings file to
// read, a file to save or export to) before anything touches them.
//
// Only regular files are read: opening a named pipe blocks until someone writes into it, a device can
// stream forever or answer a read with side effects, and a directory or socket is no file at all. An
// input is therefore opened without blocking, its kind checked on the open descriptor (so a path that
// changes between a look and the open cannot slip through), and only then read. Outputs are written
// through a temporary file that replaces the target by a rename, which would put a regular file in
// place of a device node or a pipe: an existing target must itself be a regular file.

#include <QFile>
#include <QString>
#include <QStringList>

// Why the path cannot be read as an input file; empty when it is a regular file (or a link to one).
// A missing path gives the system's reason.
QString InputFileProblem(const QString& path);

// Opens path read-only when it is a regular file, never blocking whatever it names. False with *error
// set to the reason otherwise. mode may add QIODevice::Unbuffered.
bool OpenInputFile(QFile& file, const QString& path, QString* error,
                   QIODevice::OpenMode mode = QIODevice::ReadOnly);

// Why path cannot be replaced by an output file; empty when nothing is there yet or it is a regular
// file (a link to a regular file counts as one: the file it points to is written).
QString OutputTargetProblem(const QString& path);

// True when both paths name one existing file: the same device and inode, whatever links or
// spellings lead there.
bool IsSameFile(const QString& a, const QString& b);

// The one check every output runs before it writes (save, export, print, render, in the viewer and
// in qbltool): the target must be writable as an output (OutputTargetProblem), and it must not be one
// of the inputs the output is made from, whatever link or spelling leads there. Replacing an input
// would destroy what the output is read from: an export or a report of a log written over the log.
// A save of a log read whole may replace it (the caller leaves it out of inputs); one read only in
// part may not, since the rest of the file is in no store.
struct TQBOutputCheck {
  enum class TVerdict { Writable, NotRegular, IsInput };
  TVerdict Verdict = TVerdict::Writable;
  QString Reason;  // NotRegular: "Not a regular file (a named pipe)"; else empty
  QString Input;   // IsInput: the input the target is
  bool Ok() const { return Verdict == TVerdict::Writable; }
};
TQBOutputCheck CheckOutput(const QString& target, const QStringList& inputs);
