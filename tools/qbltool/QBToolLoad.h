#pragma once
// Loading a log for a qbltool command, with the command's error lines and exit codes.

#include "QBToolCommands.h"

#include "model/QBSourceLogs.h"

#include <quillbox/QuillboxMessageSet.h>

namespace qbltool {

struct TToolLoad {
  int ExitCode = ExitOk;  // ExitOk, ExitInvalidRecord (messages before the bad record are loaded) or ExitUsage
};

// Loads path into set through the adding path. Reports a file that cannot be opened or an invalid
// record on the error stream as one line naming the file.
TToolLoad LoadForTool(const QString& path, TQuillboxMessageSet& set, const TToolIO& io);
// Merges the logs at paths into set by their UTC instants, recording each message's log in sources.
// A log that cannot be opened adds nothing (ExitUsage); each log that stops at an invalid record is
// reported on its own line, and the merge keeps what was read (ExitInvalidRecord).
TToolLoad MergeForTool(const QStringList& paths, TQuillboxMessageSet& set, TQBSourceLogs& sources,
                       const TToolIO& io);

// The path of a program built beside qbltool (the programs that link the viewer's widgets).
QString SiblingProgram(const QString& name);
// False, after the error line "cannot write '<target>': <reason>", when target may not be written
// (CheckOutput): it exists and is not a regular file (a device node or a pipe is never written to or
// replaced), or it is input, whatever link or spelling leads there; isInput is the reason then ("it
// is the log being exported").
bool CheckOutputTarget(const QString& target, const TToolIO& io, const QString& input = {},
                       const QString& isInput = {});

// Prints "usage: qbltool <usage>" and returns ExitUsage.
int UsageError(const TToolIO& io, const char* usage);

}  // namespace qbltool
