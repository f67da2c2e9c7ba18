#pragma once
// The subcommands of qbltool. Exit codes: 0 success, 1 a load stopped at an invalid record (after the
// output of what was read), 2 a usage error or a file that cannot be opened or written. Errors go to
// the error stream as one line naming the file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace qbltool {

inline constexpr int ExitOk = 0;
inline constexpr int ExitInvalidRecord = 1;
inline constexpr int ExitUsage = 2;

// Where a command writes: normal output and error lines.
struct TToolIO {
  FILE* Out;
  FILE* Err;
  void Write(const QByteArray& bytes) const { std::fwrite(bytes.constData(), 1, size_t(bytes.size()), Out); }
  // Prints "qbltool: <message>" on the error stream as one line: control characters in it (from a file
  // name, say) are escaped as in EscapedText, so none reaches the terminal and a NUL cuts nothing.
  void Error(const QString& message) const;
};

// text with every character that would act on a terminal or on the line escaped: "\r", "\n", "\t",
// other control characters as "\xHH" (NUL as "\x00"), bidirectional controls as "\uHHHH". With
// backslashes set, a backslash becomes "\\" too, so an escaped name reads back unambiguously.
QString EscapedText(const QString& text, bool backslashes);
// A name from a file (a view name) in single quotes, escaped with its backslashes.
QString QuotedName(const QString& name);

// One subcommand: its name, its usage line, and the function that runs it on the arguments after
// the name.
struct TCommand {
  const char* Name;
  const char* Usage;
  int (*Run)(const QStringList& args, const TToolIO& io);
};

int RunDump(const QStringList& args, const TToolIO& io);
int RunGen(const QStringList& args, const TToolIO& io);
int RunStats(const QStringList& args, const TToolIO& io);
int RunRender(const QStringList& args, const TToolIO& io);
int RunSave(const QStringList& args, const TToolIO& io);
int RunExport(const QStringList& args, const TToolIO& io);
int RunOrganize(const QStringList& args, const TToolIO& io);
int RunPrint(const QStringList& args, const TToolIO& io);
int RunHistogram(const QStringList& args, const TToolIO& io);
int RunMerge(const QStringList& args, const TToolIO& io);

}  // namespace qbltool

int RunQblTool(const QStringList& args, FILE* out, FILE* err);
