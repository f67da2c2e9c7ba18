#include "QBToolCommands.h"

#include <iterator>

namespace qbltool {

void TToolIO::Error(const QString& message) const {
  std::fprintf(Err, "qbltool: %s\n", message.toUtf8().constData());
  std::fflush(Err);
}

namespace {

const TCommand kCommands[] = {
    {"dump", "dump FILE.qbl", RunDump},
    {"gen", "gen [--count N] [--seed S] [--apps N] [--processes N] [--threads N] [--categories N] OUT.qbl", RunGen},
    {"stats", "stats FILE.qbl", RunStats},
    {"render", "render FILE.qbl OUT.png [--size WxH]", RunRender},
    {"save", "save [FILTER | --project FILE.qbp --view NAME] IN.qbl OUT.qbl", RunSave},
    {"export", "export --format xml|txt [--columns LIST] [FILTER | --project FILE.qbp --view NAME] IN.qbl OUT",
     RunExport},
    {"organize", "organize --by LIST FILE.qbl", RunOrganize},
    {"print", "print --pdf OUT.pdf [--title TEXT] [--font-size N] [--columns LIST] [FILTER | --project FILE.qbp --view NAME] IN.qbl",
     RunPrint},
    {"histogram", "histogram --bucket DURATION [FILTER | --project FILE.qbp --view NAME] IN.qbl", RunHistogram},
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
