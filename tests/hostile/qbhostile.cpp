// qbhostile NAME OUT | --list: writes one of the hostile files, or lists them (name, row to select, how
// the test meets it, description), for the hostile input test and scripts/measure-hostile.sh.

#include "hostile/QBHostileInputs.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  if (args.size() == 1 && args[0] == QLatin1String("--list")) {
    for (const qbhostile::TInput& input : qbhostile::Inputs())
      std::printf("%s\t%d\t%s\t%s\n", input.Name, input.SelectRow, input.How, input.What);
    return 0;
  }
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: qbhostile NAME OUT | --list\n");
    return 2;
  }
  QString error;
  if (!qbhostile::WriteInput(args[0], args[1], &error)) {
    std::fprintf(stderr, "qbhostile: %s\n", qPrintable(error));
    return 2;
  }
  return 0;
}
