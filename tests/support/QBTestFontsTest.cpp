// The GUI tests' fonts: whatever fonts the machine has, the names the program asks for come out as
// the fonts shipped with the tests, so measured texts are the same everywhere.

#include "support/QBTestFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(TestFonts, TheProgramsFontNamesResolveToTheShippedFonts) {
  const struct {
    const char* Name;
    const char* Family;
  } cases[] = {{"Courier New", qbtest::TestMonoFamily}, {"Tahoma", qbtest::TestSansFamily}, {"Verdana", qbtest::TestSansFamily}};
  for (const auto& c : cases) {
    // A machine that has the font itself uses it; the tests that measure it work from its metrics.
    if (QFontDatabase::hasFamily(QString::fromLatin1(c.Name))) continue;
    EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.Name))).family(), QString::fromLatin1(c.Family)) << c.Name;
  }
  EXPECT_EQ(QFontInfo(QApplication::font()).family(), QString::fromLatin1(qbtest::TestSansFamily));
  EXPECT_TRUE(QFontInfo(QFont(QString::fromLatin1(qbtest::TestMonoFamily))).fixedPitch());
}

}  // namespace
