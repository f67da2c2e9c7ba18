#include "QBToolCommands.h"

#include "model/QBDisplayText.h"

#include <iterator>

namespace qbltool {

void TToolIO::Error(const QString& message) const {
  // Written by length: a NUL inside the message would end a C string there.
  const QByteArray line = "qbltool: " + EscapedText(message, false).toUtf8() + '\n';
  std::fwrite(line.constData(), 1, size_t(line.size()), Err);
  std::fflush(Err);
}

namespace {

// The escape of a character that must not reach the line as it is; empty for any other.
QString EscapeOf(char16_t c) {
  switch (c) {
    case u'\r': return QStringLiteral("\\r");
    case u'\n': return QStringLiteral("\\n");
    case u'\t': return QStringLiteral("\\t");
    default: break;
  }
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
  // Bidirectional controls reorder what follows them, line separators break the line.
  if (IsBidiControl(c) || c == 0x2028 || c == 0x2029)
    return QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
  return {};
}

}  // namespace

QString EscapedText(const QString& text, bool backslashes) {
  QString out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (const QString escape = EscapeOf(c); !escape.isEmpty())
      out += escape;
    else if (backslashes && c == u'\\')
      out += QStringLiteral("\\\\");
    else
      out += ch;
  }
  return out;
}

QString QuotedName(const QString& name) { return QLatin1Char('\'') + EscapedText(name, true) + QLatin1Char('\''); }

namespace {

const TCommand kCommands[] = {
    {"dump", "dump FILE.qbl", RunDump},
    {"gen", "gen [--count N] [--seed S] [--apps N] [--processes N] [--threads N] [--categories N] OUT.qbl", RunGen},
    {"stats", "stats FILE.qbl", RunStats},
    {"render", "render FILE.qbl OUT.png [--size WxH] [--quick-filter TEXT] [--exclude TEXT]", RunRender},
    {"save", "save [FILTER | --project FILE.qbp --view NAME] IN.qbl OUT.qbl", RunSave},
    {"export", "export --format xml|txt [--columns LIST] [FILTER | --project FILE.qbp --view NAME] IN.qbl OUT",
     RunExport},
    {"organize", "organize --by LIST FILE.qbl", RunOrganize},
    {"print", "print --pdf OUT.pdf [--title TEXT] [--font-size N] [--columns LIST] [FILTER | --project FILE.qbp --view NAME] IN.qbl",
     RunPrint},
    {"histogram", "histogram --bucket DURATION [FILTER | --project FILE.qbp --view NAME] IN.qbl", RunHistogram},
    {"merge", "merge OUT.qbl IN1.qbl [IN2.qbl ...]", RunMerge},
};

int Usage(const TToolIO& io) {
  QByteArray text = "usage:\n";
  for (const TCommand& c : kCommands) text += QByteArray("  qbltool ") + c.Usage + '\n';
  std::fputs(text.constData(), io.Err);
  return ExitUsage;
}

}  // namespace
}  // namespace qbltool

int RunQblTool(const QStringList& args, FILE* out, FILE* err) {
  using namespace qbltool;
  const TToolIO io{out, err};
  if (args.isEmpty()) return Usage(io);
  for (const TCommand& c : kCommands)
    if (args.first() == QLatin1String(c.Name)) {
      const int code = c.Run(args.mid(1), io);
      std::fflush(out);
      return code;
    }
  io.Error(QStringLiteral("unknown command '%1'").arg(args.first()));
  return Usage(io);
}
