// The settings records against the settings file: defaults, round trips, and the rules applied on reading.

#include "model/QBMessageTypes.h"
#include "settings/QBSettings.h"
#include "settings/QBWindowPlacement.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

namespace {

// Every field away from its default, so a key that is not written or not read shows up.
TQBSettings ChangedSettings() {
  TQBSettings s;
  s.Position = {-5, 7, 1000, 800, true};
  s.Organizer = {orgAppName | orgThreadName | orgComputerName, true};
  TQBDisplaySettings& d = s.Display;
  d.AlwaysOnTop = d.Inspector = d.CallStack = d.InspectorOnBottom = true;
  d.MainSplitFixed = 250;
  d.LeftSplitFixed = 0;
  d.RightSplitFixed = 99;
  d.WrapButtons = d.DetailPanel = d.HideExtraColumns = true;
  d.Columns = colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeOffset | colLog;
  d.MarkerColor = 1;
  d.SyncMsgColor = 2;
  d.SeparatorColor = 3;
  d.InactiveSeparatorColor = 4;
  d.AppStartSeparatorColor = 5;
  d.ValueColor = 6;
  d.RowShading = false;
  d.RowShadingColor = clWindowText;
  TQBInspectorOptions& i = d.Inspectors;
  i.StringWordWrap = false;
  i.StringLineNumbers = i.TextWordWrap = i.TextJumpToEnd = i.TextLineNumbers = true;
  i.StrListJumpToEnd = i.MonospaceTextLineNumbers = true;
  i.DisplayType = 3;
  TQBGeneralSettings& g = s.General;
  g.ConfirmOnClear = g.ConfirmOnClearBookmarks = g.AutoSaveProject = g.AutoCollapse = false;
  g.FlattenStructure = g.SoundEffectOnWakeUp = g.InsertSeparatorOnWakeUp = g.InsertSeparatorOnAppStart = true;
  g.SoundEffectFile = "/snd/wake.wav";
  g.IdleTime = 30;
  g.LastProject = "/p/Ä.qbp";
  g.LastLogDir = "/logs/";
  g.LastProjectDir = "/projects/";
  g.NavigatorMessage = 9;
  g.NavigatorAutomatic = false;
  g.TimeDiffNavThreshold = 250;
  g.NavigatorTimeDiff = true;
  g.PrintSelection = false;
  g.PrintFontSize = 11;
  g.FollowLogFile = true;
  g.MaxFollowRecord = 16;
  s.MessageFont = {"DejaVu Sans", 10, 255, 8};
  s.InspectorFont = {"Tahoma", 9, 65280, 4};
  s.InspectorFixedFont = {"Mono", 12, 1, 3};
  s.FontStyles.Entries[qbmError] = {false, 255, 8};
  s.FontStyles.Entries[qbmCustomHierarchy] = {false, 16711680, 15};
  s.FontStyles.FollowMessageFont(s.MessageFont);
  s.Find = {false, true, false};
  return s;
}

TEST(QBSettings, MissingFileGivesDefaults) {
  qbtest::TTempFiles files;
  TQBSettings s;
  s.Read(TQBIniFile(files.Path("none.ini"), false));
  EXPECT_EQ(s, TQBSettings());
  EXPECT_EQ(s.MessageFont.Name, "Verdana");
  EXPECT_EQ(s.InspectorFixedFont.Name, "Courier New");
  EXPECT_EQ(s.FontStyles.Entries[qbmWarning], (TQBTypeStyle{true, clWindowText, 0}));
  // Info draws in the message font's own colour and style: black and plain by default.
  EXPECT_EQ(s.FontStyles.Entries[qbmInfo], (TQBTypeStyle{true, 0, 0}));
  EXPECT_EQ(s.FontStyles.Entries[qbmSeparator], TQBTypeStyle());
}

// Rows start from entry 0, so the message font's colour and style reach every Info row and every type
// that uses the default, from the first read on.
TEST(QBSettings, InfoStyleFollowsTheMessageFont) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Path("QBFileViewer.ini"), false);
  ini.WriteInteger("MessageFont", "Color", 255);
  ini.WriteInteger("MessageFont", "Style", 8);
  TQBSettings s;
  s.Read(ini);
  EXPECT_EQ(s.FontStyles.Entries[qbmInfo], (TQBTypeStyle{true, 255, 8}));
}

TEST(QBSettings, EverySectionRoundTripsThroughTheFile) {
  qbtest::TTempFiles files;
  const QString name = files.Path(SettingsFileName);
  const TQBSettings written = ChangedSettings();
  {
    TQBIniFile ini(name, false);
    written.Write(ini);
    ini.UpdateFile();
  }
  TQBSettings read;
  read.Read(TQBIniFile(name, false));
  EXPECT_EQ(read, written);
}

TEST(QBSettings, NewFileHasTheSectionsAndKeyOrderOfTheLayout) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Path(SettingsFileName), false);
  TQBSettings().Write(ini);
  EXPECT_EQ(ini.ReadSections(), QStringList({"Position", "Organizer", "Display", "General", "MessageFont",
                                             "InspectorFont", "InspectorFixedFont", "FontStyles", "Find"}));
  EXPECT_EQ(ini.ReadSection("General").mid(4, 7),
            QStringList({"FlattenStructure", "SoundEffectOnWakeUp", "SoundEffectFile", "InsertSeparatorOnWakeUp",
                         "IdleTime", "InsertSeparatorOnAppStart", "LastProject"}));
  EXPECT_EQ(ini.ReadString("Display", "RowShadingColor", ""), "-16777200");
  EXPECT_EQ(ini.ReadString("FontStyles", "ErrorColor", ""), "-16777208");
  EXPECT_EQ(ini.ReadString("FontStyles", "CustomHierarchyUseDefault", ""), "1");
  EXPECT_FALSE(ini.ValueExists("FontStyles", "InfoColor"));
}

TEST(QBSettings, UnknownSectionsAndKeysSurviveAWrite) {
  qbtest::TTempFiles files;
  const QString name = files.Write(SettingsFileName, "[Plugin.Mine]\nX=1\n[Display]\nFutureKey=abc\n");
  {
    TQBIniFile ini(name, false);
    TQBSettings s;
    s.Read(ini);
    s.Write(ini);
    ini.UpdateFile();
  }
  const TQBIniFile back(name);
  EXPECT_EQ(back.ReadString("Plugin.Mine", "X", ""), "1");
  EXPECT_EQ(back.ReadString("Display", "FutureKey", ""), "abc");
}

struct TReadCase {
  const char* Name;
  QByteArray Text;
  TQBSettings Expected;
};

TQBSettings With(auto change) {
  TQBSettings s;
  change(s);
  return s;
}

void PrintTo(const TReadCase& c, std::ostream* os) { *os << c.Name; }

class SettingsReading : public ::testing::TestWithParam<TReadCase> {};

TEST_P(SettingsReading, GivesTheExpectedRecord) {
  qbtest::TTempFiles files;
  TQBSettings s;
  s.Read(TQBIniFile(files.Write("s.ini", GetParam().Text), false));
  EXPECT_EQ(s, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsReading,
    ::testing::Values(
        TReadCase{"FirstTimeColumnWins", "[Display]\nTimeStamp=1\nTimeDiff=1\nDate=1\n",
                  With([](TQBSettings& s) { s.Display.Columns = colTimeStamp | colDate; })},
        TReadCase{"OlderFileHasNoLogColumn", "[Display]\nCategory=1\nTimeOffset=1\n",
                  With([](TQBSettings& s) { s.Display.Columns = colCategory | colTimeOffset; })},
        TReadCase{"LogColumn", "[Display]\nLogColumn=1\nTimeStamp=0\n",
                  With([](TQBSettings& s) { s.Display.Columns = colLog; })},
        TReadCase{"DiffBeforeOffset", "[Display]\nTimeOffset=1\nTimeDiff=7\n",
                  With([](TQBSettings& s) { s.Display.Columns = colTimeDiff; })},
        TReadCase{"AnyNonZeroIsTrue", "[Display]\nRowShading=0\nInspector=-3\n",
                  With([](TQBSettings& s) {
                    s.Display.RowShading = false;
                    s.Display.Inspector = true;
                  })},
        TReadCase{"NonNumericKeepsDefault",
                  "[Position]\nLeft=abc\nTop=\nMaximized=true\n[General]\nPrintFontSize=8pt\n", TQBSettings()},
        TReadCase{"FindOptions", "[Find]\nMatchCase=1\nRegularExpression=1\nFindForward=0\n",
                  With([](TQBSettings& s) {
                    s.Find.MatchCase = s.Find.RegularExpression = true;
                    s.Find.FindForward = false;
                  })},
        TReadCase{"ColourAsSignedDecimal", "[Display]\nMarkerColor=-16777211\n",
                  With([](TQBSettings& s) { s.Display.MarkerColor = int32_t(0xFF000005u); })},
        TReadCase{"FontSizesAndStylesComeIntoRange",
                  "[MessageFont]\nSize=100000\nStyle=-1\n[InspectorFont]\nSize=0\n[InspectorFixedFont]\nSize=-7\n"
                  "[General]\nPrintFontSize=2147483647\n[FontStyles]\nErrorStyle=255\n",
                  With([](TQBSettings& s) {
                    s.MessageFont.Size = MaxFontSize;
                    s.MessageFont.Style = FontStyleBits;
                    s.InspectorFont.Size = s.InspectorFixedFont.Size = MinFontSize;
                    s.General.PrintFontSize = MaxFontSize;
                    s.FontStyles.Entries[qbmError].Style = FontStyleBits;
                    s.FontStyles.FollowMessageFont(s.MessageFont);
                  })},
        TReadCase{"MaxFollowRecordComesIntoRange", "[General]\nMaxFollowRecord=0\n",
                  With([](TQBSettings& s) { s.General.MaxFollowRecord = 1; })},
        TReadCase{"MaxFollowRecordAtMostTwoGigabytes", "[General]\nMaxFollowRecord=2147483647\n",
                  With([](TQBSettings& s) { s.General.MaxFollowRecord = MaxFollowRecordLimit; })},
        TReadCase{"DamagedFileKeepsReadableValues",
                  "\xEF\xBB\xBF\x80\x81junk\n[Find\n[Find]\nFindForward\nFindInDetails=0\n[Find]\nFindInDetails=1\n",
                  With([](TQBSettings& s) { s.Find.FindInDetails = false; })}),
    [](const auto& info) { return std::string(info.param.Name); });

// The free area of a screen, panels excluded, may start anywhere: on a second monitor, below a panel.
TEST(QBWindowPlacement, AFirstStartTakesTwoThirdsOfTheFreeAreaCentred) {
  EXPECT_EQ(qbplacement::FirstStartRect(QRect(0, 0, 1920, 1080)), QRect(320, 180, 1280, 720));
  EXPECT_EQ(qbplacement::FirstStartRect(QRect(1920, 27, 1366, 741)), QRect(2148, 150, 910, 494));
}

TEST(QBWindowPlacement, OffScreenWindowMovesToTheOriginKeepingItsSize) {
  const QList<QRect> screen{QRect(0, 0, 1920, 1080)};
  TQBPositionSettings p{5000, 5000, 5770, 5400, false};
  EXPECT_EQ(qbplacement::NormalRect(p, screen), QRect(0, 0, 770, 400));
  p = {100, 50, 870, 450, false};
  EXPECT_EQ(qbplacement::NormalRect(p, screen), QRect(100, 50, 770, 400));
  const QList<QRect> twoScreens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  p = {2000, 10, 2500, 300, false};
  EXPECT_EQ(qbplacement::NormalRect(p, twoScreens).topLeft(), QPoint(2000, 10));
}

TEST(QBWindowPlacement, StoredSplitSizeSetsTheBarFromTheFarEdge) {
  EXPECT_EQ(qbplacement::SplitterBar(1000, -1), std::nullopt);
  EXPECT_EQ(qbplacement::SplitterBar(1000, 250), 750);
  EXPECT_EQ(qbplacement::StoredSplitSize(1000, 750), 250);
}

// Whatever a settings file holds, the window is usable: a size of at least the minimum and at most
// the monitor, on the monitor, and splitter bars that leave both panes some room. The arithmetic must
// not overflow (the sanitizer run checks it) for values at the ends of the 32-bit range.
TEST(QBWindowPlacement, HostileValuesStillGiveAUsableWindow) {
  constexpr int32_t lo = INT32_MIN, hi = INT32_MAX;
  const QList<QRect> screen{QRect(0, 0, 1920, 1080)};
  const struct {
    TQBPositionSettings Position;
    QRect Expected;
  } cases[] = {
      {{lo, lo, hi, hi, false}, QRect(0, 0, 1920, 1080)},
      {{hi, hi, lo, lo, false}, QRect(0, 0, qbplacement::MinWidth, qbplacement::MinHeight)},
      {{0, 0, hi, 300, false}, QRect(0, 0, 1920, 300)},
      {{1900, 1070, 2900, 1570, true}, QRect(920, 580, 1000, 500)},
      {{100, 100, 90, 90, false}, QRect(100, 100, qbplacement::MinWidth, qbplacement::MinHeight)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Position.Left << "," << c.Position.Top << "," << c.Position.Right << ","
                                    << c.Position.Bottom);
    EXPECT_EQ(qbplacement::NormalRect(c.Position, screen), c.Expected);
  }
  EXPECT_EQ(qbplacement::NormalRect({lo, lo, hi, hi, false}, {}).size(),
            QSize(qbplacement::MaxExtent, qbplacement::MaxExtent));
  EXPECT_EQ(qbplacement::SplitterBar(1000, hi), qbplacement::MinPane);
  EXPECT_EQ(qbplacement::SplitterBar(1000, 0), 1000 - qbplacement::MinPane);
  EXPECT_EQ(qbplacement::SplitterBar(50, 30), 25);
  EXPECT_EQ(qbplacement::SplitterBar(0, 10), std::nullopt);
}

}  // namespace
