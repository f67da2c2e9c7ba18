// A path shortened to fit a width, as the invalid log message shows it.

#include "dialogs/QBShortenPath.h"

#include <gtest/gtest.h>

namespace {

// One unit per character, so widths are easy to reason about.
int Chars(const QString& text) { return int(text.size()); }

TEST(ShortenPath, CutsLeadingFoldersFirstAndNeverTheFileName) {
  const QString path = QStringLiteral("C:/Logs/2010/March/app.qbl");
  struct TCase {
    int Width;
    const char* Result;
  } cases[] = {
      {100, "C:/Logs/2010/March/app.qbl"}, {25, "C:/.../2010/March/app.qbl"}, {20, "C:/.../March/app.qbl"},
      {14, "C:/.../app.qbl"},              {11, ".../app.qbl"},                {7, "app.qbl"},
      {3, "app.qbl"},
  };
  for (const TCase& c : cases) EXPECT_EQ(QBShortenPath(path, Chars, c.Width), QString::fromLatin1(c.Result)) << c.Width;
  EXPECT_EQ(QBShortenPath(QStringLiteral("/home/ann/logs/x.qbl"), Chars, 12), QStringLiteral("/.../x.qbl"));
  EXPECT_EQ(QBShortenPath(QStringLiteral("/x.qbl"), Chars, 2), QStringLiteral("x.qbl"));
}

}  // namespace
