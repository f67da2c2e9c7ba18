#pragma once
// The subcommands of qbltool. Exit codes: 0 success, 1 a load stopped at an invalid record (after the
// output of what was read), 2 a usage error or a file that cannot be opened or written.

#include <QStringList>

#include <cstdio>

int RunQblTool(const QStringList& args, FILE* out, FILE* err);
