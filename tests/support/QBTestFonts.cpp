#include "support/QBTestFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <cstdio>

namespace qbtest {
namespace {

// The names the program and the toolkit ask for. A substitute is tried only when the family itself is
// missing, before fontconfig's own guess, which is what differs between machines.
constexpr const char* kMonoNames[] = {"Courier New", "Courier", "monospace", "Monospace"};
constexpr const char* kSansNames[] = {"Tahoma", "Verdana", "Arial", "MS Shell Dlg 2", "Sans Serif", "sans-serif"};

constexpr const char* kFontFiles[] = {":/testfonts/DejaVuSansMono.ttf", ":/testfonts/DejaVuSansMono-Bold.ttf",
                                      ":/testfonts/DejaVuSans.ttf", ":/testfonts/DejaVuSans-Bold.ttf"};

}  // namespace

bool UseTestFonts() {
  for (const char* file : kFontFiles)
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
      std::fprintf(stderr, "The test font %s cannot be loaded.\n", file);
      return false;
    }
  for (const char* name : kMonoNames) QFont::insertSubstitution(QString::fromLatin1(name), QString::fromLatin1(TestMonoFamily));
  for (const char* name : kSansNames) QFont::insertSubstitution(QString::fromLatin1(name), QString::fromLatin1(TestSansFamily));
  QApplication::setFont(QFont(QString::fromLatin1(TestSansFamily), 9));
  return true;
}

}  // namespace qbtest
