// The column controls' rules and the options dialog's OK sequence, without any widget.

#include "settings/QBColumnChoice.h"
#include "shell/QBOptionsCommands.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

TEST(ColumnChoice, LoadsBoxesAndTheTimeRuleFromAColumnSet) {
  const struct {
    TQBColumnSet Columns;
    bool Time;
    TQBColumnSet Kind;
  } cases[] = {
      {0, false, 0},                                  // no time flag: no radio button, all disabled
      {colDate | colTimeDiff, true, colTimeDiff},
      {colTimeStamp | colTimeOffset, true, colTimeStamp},  // the time stamp wins over the offset
      {colTimeOffset, true, colTimeOffset},
  };
  for (const auto& c : cases) {
    const TQBColumnChoice choice = TQBColumnChoice::Of(c.Columns);
    EXPECT_EQ(choice.Time, c.Time) << c.Columns;
    EXPECT_EQ(choice.TimeKind, c.Kind) << c.Columns;
    EXPECT_EQ(choice.TimeKindEnabled(), c.Time) << c.Columns;
  }
  EXPECT_TRUE(TQBColumnChoice::Of(colThreadName).ThreadName);
  EXPECT_FALSE(TQBColumnChoice::Of(colThreadName).Category);
}

TEST(ColumnChoice, TickingTimeSelectsTheTimeStampOnlyWhenNoKindIsChosen) {
  TQBColumnChoice c = TQBColumnChoice::Of(0);
  c.SetTime(true);
  EXPECT_EQ(c.TimeKind, colTimeStamp);
  c.TimeKind = colTimeOffset;
  c.SetTime(false);
  EXPECT_EQ(c.TimeKind, colTimeOffset) << "unticking only disables the radio buttons";
  c.SetTime(true);
  EXPECT_EQ(c.TimeKind, colTimeOffset);
  TQBColumnChoice all = TQBColumnChoice::Of(0);
  all.SetAll(true);
  EXPECT_EQ(all.ToColumns(), colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeStamp);
  all.SetAll(false);
  EXPECT_EQ(all.ToColumns(), 0);
}

TEST(ColumnChoice, ReadingBackNotesEveryChange) {
  const auto with = [](TQBColumnSet start, auto edit) {
    TQBColumnChoice c = TQBColumnChoice::Of(start);
    edit(c);
    return c;
  };
  const struct {
    const char* Why;
    TQBColumnSet Start;
    TQBColumnChoice Choice;
    TQBColumnSet Result;
    bool Changed;
  } cases[] = {
      {"nothing changed", colDate | colTimeDiff, TQBColumnChoice::Of(colDate | colTimeDiff), colDate | colTimeDiff, false},
      {"Time ticked alone shows the time stamp", 0, with(0, [](auto& c) { c.SetTime(true); }), colTimeStamp, true},
      {"Date alone, Time kept with the same kind", colTimeDiff, with(colTimeDiff, [](auto& c) { c.Date = true; }),
       colDate | colTimeDiff, true},
      {"Time unticked clears the time column", colTimeOffset, with(colTimeOffset, [](auto& c) { c.SetTime(false); }), 0,
       true},
      {"another kind", colTimeStamp, with(colTimeStamp, [](auto& c) { c.TimeKind = colTimeDiff; }), colTimeDiff, true},
      {"All Columns", 0, with(0, [](auto& c) { c.SetAll(true); }),
       colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeStamp, true},
      {"a name column", colCategory, with(colCategory, [](auto& c) { c.Category = false, c.ProcessID = true; }),
       colProcessID, true},
      {"the Log box", colDate, with(colDate, [](auto& c) { c.Log = true; }), colDate | colLog, true},
      {"Log loaded and kept", colLog | colTimeDiff, TQBColumnChoice::Of(colLog | colTimeDiff), colLog | colTimeDiff,
       false},
      {"All Columns leaves Log as it is", colLog, with(colLog, [](auto& c) { c.SetAll(true); }),
       colLog | colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeStamp,
       true},
      {"Message Text Only clears Log too", colLog | colDate, with(colLog | colDate, [](auto& c) { c.SetAll(false); }),
       0, true},
  };
  for (const auto& c : cases) {
    TQBColumnSet columns = c.Start;
    EXPECT_EQ(c.Choice.ReadBack(columns), c.Changed) << c.Why;
    EXPECT_EQ(columns, c.Result) << c.Why;
  }
}

TEST(ColumnChoice, ThePrintDialogBuildsTheSetAnewWithoutAnUntickedTimeKind) {
  TQBColumnChoice c = TQBColumnChoice::Of(colTimeDiff | colCategory);
  EXPECT_EQ(c.ToColumns(), colTimeDiff | colCategory);
  c.SetTime(false);
  EXPECT_EQ(c.ToColumns(), colCategory);
}

TEST(StyleList, NamesTheTypesItEdits) {
  EXPECT_EQ(StyleListEntries.size(), 34u);
  const auto typeOf = [](const char* caption) {
    for (const TQBStyleListEntry& e : StyleListEntries)
      if (QLatin1String(e.Caption) == QLatin1String(caption)) return e.Type;
    return -1;
  };
  EXPECT_EQ(typeOf("Bitmaps"), 16);
  EXPECT_EQ(typeOf("Custom Formats (Hierarchy)"), 44);
  EXPECT_EQ(typeOf("Notes"), int(qbmNote));
  EXPECT_EQ(StyleListEntries.front().Type, int(qbmNote));
  for (const TQBStyleListEntry& e : StyleListEntries) EXPECT_NE(e.Type, int(qbmInfo)) << "Info is the message font";
}

// Records the window's calls as words.
class TRecordingWindow final : public IQBOptionsWindow {
public:
  QStringList Calls;
  void RefreshViewSettings() override { Calls << "views"; }
  void ApplyValueColor() override { Calls << "value"; }
  void ApplyAutoCollapse() override { Calls << "collapse"; }
  void ApplyFlattenStructure() override { Calls << "flatten"; }
  void ApplyInspector() override { Calls << "inspector"; }
  void ApplyCallStack() override { Calls << "callstack"; }
  void ApplyInspectorPosition() override { Calls << "position"; }
  void ApplyDetailPanel() override { Calls << "detail"; }
  void ApplyWrapButtons() override { Calls << "wrap"; }
  void ApplyAlwaysOnTop() override { Calls << "ontop"; }
  void ApplyMessageFont() override { Calls << "msgfont"; }
  void ApplyInspectorFont() override { Calls << "inspfont"; }
  void ApplyInspectorFixedFont() override { Calls << "fixedfont"; }
  void ApplyColumns() override { Calls << "columns"; }
  void ApplyStyles() override { Calls << "styles"; }
  void RepaintCurrentView() override { Calls << "repaint"; }
  void WriteSettings() override { Calls << "write"; }
};

class OptionsCommandsTest : public ::testing::Test {
protected:
  TQBSettings Settings;
  TRecordingWindow Window;
  TQBOptionsCommands Commands{Settings, Window};
};

TEST_F(OptionsCommandsTest, OkWithoutChangesReappliesTheSwitchesAndWritesTheFile) {
  // The window keeps style entry 0 on the message font, as the dialog does.
  Settings.FontStyles.FollowMessageFont(Settings.MessageFont);
  const TQBSettings before = Settings;
  Commands.ApplyOptions(Commands.Values());
  EXPECT_EQ(Window.Calls, (QStringList{"collapse", "flatten", "write"}));
  EXPECT_EQ(Settings, before);
}

TEST_F(OptionsCommandsTest, OkRunsItsNineStepsInOrder) {
  Settings.FontStyles.FollowMessageFont(Settings.MessageFont);
  TQBOptionsValues v = Commands.Values();
  v.SeparatorColor = 1;
  v.MarkerColor = 2;
  v.SyncMsgColor = 3;
  v.ValueColor = 4;
  v.RowShading = false;
  v.ConfirmOnClear = false;
  v.AutoCollapse = false;
  v.FlattenStructure = true;
  v.Columns.SetTime(true);
  v.Inspector = v.CallStack = v.InspectorOnBottom = v.DetailPanel = v.WrapButtons = v.AlwaysOnTop = true;
  v.Styles.Entries[16].Style = 8;
  v.MessageFont.Size = 12;
  v.InspectorFont.Color = 255;
  v.InspectorFixedFont.Name = QStringLiteral("DejaVu Sans Mono");
  Commands.ApplyOptions(v);
  EXPECT_EQ(Window.Calls,
            (QStringList{"views", "views", "views", "views", "value", "collapse", "flatten", "inspector", "callstack",
                         "position", "detail", "wrap", "ontop", "msgfont", "inspfont", "fixedfont", "columns", "styles",
                         "repaint", "write"}));
  EXPECT_EQ(Settings.Display.SeparatorColor, 1);
  EXPECT_EQ(Settings.Display.Columns, colTimeStamp);
  EXPECT_FALSE(Settings.Display.RowShading);
  EXPECT_FALSE(Settings.General.ConfirmOnClear);
  EXPECT_TRUE(Settings.General.FlattenStructure);
  EXPECT_EQ(Settings.FontStyles.Entries[16].Style, 8);
  EXPECT_EQ(Settings.MessageFont.Size, 12);
  EXPECT_EQ(Settings.InspectorFixedFont.Name, QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(OptionsCommandsTest, TheColumnChooserAppliesOnlyAChangedSetAndWritesNothing) {
  Settings.Display.Columns = colDate | colTimeStamp;
  Settings.Display.HideExtraColumns = true;
  TQBColumnChoice same = TQBColumnChoice::Of(Settings.Display.Columns);
  Commands.ApplyColumnChoice(same);
  EXPECT_TRUE(Window.Calls.isEmpty());
  same.Date = false;
  Commands.ApplyColumnChoice(same);
  EXPECT_EQ(Window.Calls, (QStringList{"columns", "repaint"}));
  EXPECT_EQ(Settings.Display.Columns, colTimeStamp);
  EXPECT_FALSE(Settings.Display.HideExtraColumns) << "the new columns show";
}

}  // namespace
