#include "model/QBDisplayText.h"

#include <gtest/gtest.h>

namespace {

// "evil" U+202E "gpj.exe" would be drawn as "evilexe.jpg"; shown with its control as a mark it reads
// in the order of its characters. Every embedding, override and isolate control gets its own mark.
TEST(DisplayText, BidirectionalControlsBecomeVisibleMarks) {
  const struct {
    QString Text, Shown;
  } cases[] = {
      {u"evil\u202Egpj.exe"_qs, u"evil\u27E8RLO\u27E9gpj.exe"_qs},
      {u"\u202A\u202B\u202C\u202D"_qs, u"\u27E8LRE\u27E9\u27E8RLE\u27E9\u27E8PDF\u27E9\u27E8LRO\u27E9"_qs},
      {u"a\u2066b\u2067c\u2068d\u2069"_qs, u"a\u27E8LRI\u27E9b\u27E8RLI\u27E9c\u27E8FSI\u27E9d\u27E8PDI\u27E9"_qs},
      // Marks that only set a direction (LRM, RLM) and ordinary right-to-left letters stay as they are.
      {u"\u200E\u200F\u05D0\u0627"_qs, u"\u200E\u200F\u05D0\u0627"_qs},
      {QString(), QString()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VisibleBidiControls(c.Text), c.Shown);
    EXPECT_EQ(HasBidiControls(c.Text), c.Text != c.Shown);
  }
}

// A view name from a project shown on one line: a line break would make a tab two lines high (or
// hide the rest of the name), an ESC or BEL is nothing to look at, a bidirectional control reorders.
TEST(DisplayText, ANameShowsItsLineBreaksAndControlsAsMarks) {
  const struct {
    QString Name, Shown;
  } cases[] = {
      {u"two\r\nlines"_qs, u"two\u21B5lines"_qs},
      {u"a\rb\nc\u2028d\u2029e"_qs, u"a\u21B5b\u21B5c\u21B5d\u21B5e"_qs},
      {u"\n\n"_qs, u"\u21B5\u21B5"_qs},
      {u"esc\x1b[2Jbel\x07nul"_qs + QChar(0) + u"tab\tdel\x7f"_qs,
       u"esc\u241B[2Jbel\u2407nul\u2400tab\u2409del\u2421"_qs},
      {u"evil\u202Egpj.exe\n"_qs, u"evil\u27E8RLO\u27E9gpj.exe\u21B5"_qs},
      {u"Plain & simple \u00e9"_qs, u"Plain & simple \u00e9"_qs},
  };
  for (const auto& c : cases) EXPECT_EQ(VisibleName(c.Name), c.Shown) << c.Name.toStdString();
}

TEST(DisplayText, ATextWithoutControlsIsNotCopied) {
  const QString text = QStringLiteral("plain text");
  EXPECT_EQ(VisibleBidiControls(text).constData(), text.constData());
}

}  // namespace
