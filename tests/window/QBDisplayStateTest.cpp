// What the views draw with: the fonts and the row height made from the font settings, when they are
// made again, the style table and the image lists with their bounds. Fonts are checked by what was
// asked for, never by what a machine's fonts make of it.

#include "settings/QBSettings.h"
#include "shell/QBCommandIds.h"
#include "window/QBDisplayState.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DisplayState, FontsAreMadeFromTheirSettingsWhenApplied) {
  struct TCase {
    int32_t Size, Style;
    int PointSize;
    bool Bold, Italic, Underline, StrikeOut;
  } cases[] = {
      {12, 0, 12, false, false, false, false}, {10, 8, 10, true, false, false, false},
      {10, 4, 10, false, true, false, false},  {10, 2, 10, false, false, true, false},
      {10, 1, 10, false, false, false, true},  {10, 15, 10, true, true, true, true},
      // A damaged settings file: the size falls back to the default.
      {0, 0, 8, false, false, false, false},   {-5, 0, 8, false, false, false, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.Size << ", style " << c.Style);
    TQBSettings settings;
    settings.InspectorFont = {QStringLiteral("Inspector Face"), c.Size, 0, c.Style};
    TQBDisplayState state(settings);
    state.ApplyFonts();
    const QFont& font = state.InspectorFont();
    EXPECT_EQ(font.family(), QStringLiteral("Inspector Face"));
    EXPECT_EQ(font.pointSize(), c.PointSize);
    EXPECT_EQ(font.bold(), c.Bold);
    EXPECT_EQ(font.italic(), c.Italic);
    EXPECT_EQ(font.underline(), c.Underline);
    EXPECT_EQ(font.strikeOut(), c.StrikeOut);
  }
}

// Views ask for a font by kind; an unknown kind gets the message font. A change to the settings shows
// only once the fonts are applied again, as the options dialog does.
TEST(DisplayState, EachKindHasItsFontUntilTheSettingsAreAppliedAgain) {
  TQBSettings settings;
  settings.MessageFont.Name = QStringLiteral("Message Face");
  settings.InspectorFixedFont.Name = QStringLiteral("Fixed Face");
  settings.InspectorFont.Name = QStringLiteral("Inspector Face");
  TQBDisplayState state(settings);
  state.ApplyFonts();
  const struct {
    int Kind;
    const char* Family;
  } kinds[] = {{0, "Message Face"}, {1, "Fixed Face"}, {2, "Inspector Face"}, {3, "Message Face"}, {-1, "Message Face"}};
  for (const auto& k : kinds) EXPECT_EQ(state.Font(k.Kind).family(), QString::fromLatin1(k.Family)) << k.Kind;
  EXPECT_EQ(state.MessageFont().family(), QStringLiteral("Message Face"));
  EXPECT_EQ(state.InspectorFixedFont().family(), QStringLiteral("Fixed Face"));

  settings.MessageFont.Name = QStringLiteral("Changed Face");
  EXPECT_EQ(state.MessageFont().family(), QStringLiteral("Message Face"));
  state.ApplyFonts();
  EXPECT_EQ(state.MessageFont().family(), QStringLiteral("Changed Face"));
}

// A row is never lower than 15 pixels and always as high as a line of the message font.
TEST(DisplayState, RowsFitTheMessageFont) {
  TQBSettings settings;
  TQBDisplayState state(settings);
  EXPECT_EQ(state.RowHeight(), 17);  // before the fonts are made
  for (int32_t size : {1, 8, 40}) {
    settings.MessageFont.Size = size;
    state.ApplyFonts();
    EXPECT_GE(state.RowHeight(), 15) << size;
    EXPECT_GE(state.RowHeight(), QFontMetrics(state.MessageFont()).height()) << size;
  }
  EXPECT_GT(state.RowHeight(), 17);  // 40 points
  settings.MessageFont.Size = 1;
  state.ApplyFonts();
  EXPECT_EQ(state.RowHeight(), 15);
}

// The style of a type outside the table is all zero, whatever code a log holds; inside it, the table
// as the settings hold it now.
TEST(DisplayState, TypeStylesComeFromTheTableAndOutsideItAreEmpty) {
  TQBSettings settings;
  const TQBDisplayState state(settings);
  const int count = int(settings.FontStyles.Entries.size());
  for (int32_t code : {-1, count, count + 100, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
    EXPECT_EQ(state.TypeStyle(code), TQBTypeStyle{}) << code;
  settings.FontStyles.Entries[3] = {false, 0x0000FF, 8};
  settings.FontStyles.Entries[size_t(count - 1)] = {false, 0x00FF00, 4};
  EXPECT_EQ(state.TypeStyle(3), (TQBTypeStyle{false, 0x0000FF, 8}));
  EXPECT_EQ(state.TypeStyle(count - 1), (TQBTypeStyle{false, 0x00FF00, 4}));
}

// One toolbar image per command, one image per message type for the message icons and the navigation
// kinds, none for the scratch pad, the ten bookmarks and the synchronize mark; no list past them.
TEST(DisplayState, ImageListsHaveTheirImagesAndUnknownListsAreEmpty) {
  const TQBSettings settings;
  const TQBDisplayState state(settings);
  struct TCase {
    int List;
    qsizetype Count;
  } cases[] = {{0, qsizetype(QBCommandCount)}, {1, 46}, {2, 46}, {3, 0}, {4, 11}, {5, 0}, {-1, 0}};
  for (const TCase& c : cases) EXPECT_EQ(state.ImageList(c.List).size(), c.Count) << c.List;
}

}  // namespace
