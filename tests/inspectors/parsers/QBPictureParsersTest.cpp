#include "inspectors/parsers/QBColorParser.h"
#include "inspectors/parsers/QBHalfEven.h"
#include "inspectors/parsers/QBHexDecoder.h"
#include "inspectors/parsers/QBHierarchyParser.h"
#include "QBParserTestPrint.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(HexDecoder, PairsDecodeUntilTheFirstBadPair) {
  const std::pair<QString, QByteArray> cases[] = {
      {"", {}},
      {"4", {}},
      {"4142", "AB"},
      {"aBcD", "\xAB\xCD"},
      {"41424", "AB"},  // an odd last digit is ignored
      {"41zz42", QByteArray("A\0\0", 3)},  // the count comes from the length; the rest stays zero
      {"4 41", QByteArray("\0\0", 2)},
      {"g1", QByteArray(1, '\0')},
      {QString::fromUtf8("\xC3\xA9" "1"), QByteArray(1, '\0')},
  };
  for (const auto& [text, bytes] : cases) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(DecodeHexBytes(text), bytes);
    // Stored details are 8-bit; when they are ASCII the bytes decode exactly as the text does.
    if (text.toLatin1() == text.toUtf8()) {
      EXPECT_EQ(DecodeHexBytes(QByteArrayView(text.toLatin1())), bytes);
    }
  }
}

TEST(HalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(119.6), 120);
}

TEST(ColorParser, HslOnThe240Scale) {
  const std::pair<uint32_t, TQBHsl> cases[] = {
      {0x0000FF, {0, 240, 120}},    // red
      {0xFFFFFF, {0, 0, 240}},      // white
      {0x000000, {0, 0, 0}},
      {0x00FF00, {80, 240, 120}},   // green
      {0xFF0000, {160, 240, 120}},  // blue
      {0xFF00FF, {200, 240, 120}},  // magenta: hue below zero wraps round
      {0x808080, {0, 0, 120}},
      {0x00002C, {0, 240, 21}},     // red 44
      {0xC0C0FF, {0, 240, 210}},    // light red: lightness above one half
  };
  for (const auto& [color, hsl] : cases) {
    SCOPED_TRACE(color);
    const TQBHsl got = ColorToHsl(color);
    EXPECT_EQ(got.H, hsl.H);
    EXPECT_EQ(got.S, hsl.S);
    EXPECT_EQ(got.L, hsl.L);
  }
}

TEST(ColorParser, ComponentsKeepTheirTextAndTheirLowByte) {
  const TQBColorValues values = ParseColorLines({"300", "0", "0"});
  EXPECT_EQ(values.Red, "300");
  EXPECT_EQ(values.Color, 44u);
  EXPECT_EQ(values.Hsl, ColorToHsl(44));
  EXPECT_EQ(values.Alpha, 0);  // three lines: no alpha

  const TQBColorValues full = ParseColorLines({"-1", " 2", "3 ", "128", "ignored"});
  EXPECT_EQ(full.Color, 0x0302FFu);
  EXPECT_EQ(full.Green, " 2");
  EXPECT_EQ(full.Alpha, 128);
}

TEST(ColorParser, BadLinesAreErrors) {
  const QStringList cases[] = {
      {},
      {"1", "2"},
      {"1", "x", "3"},
      {"1.5", "2", "3"},
      {"", "2", "3"},
      {"1", "2", "3", "alpha"},
      {"99999999999", "0", "0"},
  };
  for (const QStringList& lines : cases) {
    SCOPED_TRACE(lines.join('|').toStdString());
    EXPECT_THROW(ParseColorLines(lines), std::invalid_argument);
  }
}

struct THierarchyCase {
  const char* Why;
  QStringList Lines;
  std::vector<int> Depths;
  std::vector<int> Parents;
};

TEST(HierarchyParser, TabsGiveDepths) {
  const THierarchyCase cases[] = {
      {"root, two children, the second with a child, a second root",
       {"a", "\tb", "\tc", "\t\td", "e"}, {0, 1, 1, 2, 0}, {-1, 0, 0, 2, -1}},
      {"three tabs after none go one level down", {"a", "\t\t\tb"}, {0, 1}, {-1, 0}},
      {"a first line with tabs is a root", {"\t\ta", "b"}, {0, 0}, {-1, -1}},
      {"climbing back several levels", {"a", "\tb", "\t\tc", "\t\t\td", "\te"}, {0, 1, 2, 3, 1}, {-1, 0, 1, 2, 0}},
      {"blank lines are skipped", {"a", "", " \t ", "\tb"}, {0, 1}, {-1, 0}},
      {"no lines", {}, {}, {}},
  };
  for (const THierarchyCase& c : cases) {
    SCOPED_TRACE(c.Why);
    const std::vector<TQBHierarchyNode> nodes = ParseHierarchy(c.Lines);
    std::vector<int> depths, parents;
    for (const TQBHierarchyNode& node : nodes) {
      depths.push_back(node.Depth);
      parents.push_back(node.Parent);
    }
    EXPECT_EQ(depths, c.Depths);
    EXPECT_EQ(parents, c.Parents);
  }
}

TEST(HierarchyParser, LinesHaveOneTabPerDepthAndKeepOtherBlanks) {
  const std::vector<TQBHierarchyNode> nodes = ParseHierarchy({"a", "\t\t\t  b", "", "\t\t\t\tc"});
  EXPECT_EQ(nodes[1].Text, "  b");
  EXPECT_EQ(HierarchyLines(nodes), (QStringList{"a", "\t  b", "\t\tc"}));
}

}  // namespace
