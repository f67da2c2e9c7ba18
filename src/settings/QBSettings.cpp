#include "settings/QBSettings.h"

#include "model/QBMessageTypes.h"
#include "settings/QBSettingsIo.h"

#include <algorithm>

namespace {

const QString kPosition = QStringLiteral("Position");
const QString kOrganizer = QStringLiteral("Organizer");
const QString kDisplay = QStringLiteral("Display");
const QString kGeneral = QStringLiteral("General");
const QString kMessageFont = QStringLiteral("MessageFont");
const QString kInspectorFont = QStringLiteral("InspectorFont");
const QString kInspectorFixedFont = QStringLiteral("InspectorFixedFont");
const QString kFontStyles = QStringLiteral("FontStyles");
const QString kFind = QStringLiteral("Find");

template <typename Record>
void ReadSection(Record& record, const TQBIniFile& ini, const QString& section) {
  Record::Visit(record, TQBSectionReader(ini, section));
}

template <typename Record>
void WriteSection(const Record& record, TQBIniFile& ini, const QString& section) {
  Record::Visit(record, TQBSectionWriter(ini, section));
}

// The file may tick several time columns; only the first of them, in column order, counts.
uint16_t OneTimeColumn(uint16_t columns) {
  for (uint16_t bit : {colTimeStamp, colTimeDiff, colTimeOffset})
    if (columns & bit) return uint16_t((columns & ~(colTimeStamp | colTimeDiff | colTimeOffset)) | bit);
  return columns;
}

// Values no window can use are brought into range as they are read: a font of 100,000 points draws
// every glyph as an empty box, one of 0 points nothing at all. Positions and splitter sizes depend on
// the screen and the window and are checked where they are applied (QBWindowPlacement.h).
int32_t FontSize(int32_t size) { return std::clamp(size, MinFontSize, MaxFontSize); }

void ClampFont(TQBFontSettings& font) {
  font.Size = FontSize(font.Size);
  font.Style &= FontStyleBits;
}

}  // namespace

template <typename Self, typename Io>
void TQBPositionSettings::Visit(Self& s, const Io& io) {
  io.Integer("Left", s.Left);
  io.Integer("Top", s.Top);
  io.Integer("Right", s.Right);
  io.Integer("Bottom", s.Bottom);
  io.Bool("Maximized", s.Maximized);
}

template <typename Self, typename Io>
void TQBOrganizerSettings::Visit(Self& s, const Io& io) {
  io.Flag("AppName", s.Fields, uint8_t(orgAppName));
  io.Flag("Category", s.Fields, uint8_t(orgCategory));
  io.Flag("ProcessID", s.Fields, uint8_t(orgProcessID));
  io.Flag("ThreadName", s.Fields, uint8_t(orgThreadName));
  io.Flag("ComputerName", s.Fields, uint8_t(orgComputerName));
  io.Bool("AutoOrganize", s.AutoOrganize);
  io.Integer("MaxViews", s.MaxViews);
}

template <typename Self, typename Io>
void TQBDisplaySettings::Visit(Self& s, const Io& io) {
  io.Bool("AlwaysOnTop", s.AlwaysOnTop);
  io.Bool("Inspector", s.Inspector);
  io.Bool("CallStack", s.CallStack);
  io.Bool("InspectorOnBottom", s.InspectorOnBottom);
  io.Integer("MainSplitFixed", s.MainSplitFixed);
  io.Integer("LeftSplitFixed", s.LeftSplitFixed);
  io.Integer("RightSplitFixed", s.RightSplitFixed);
  io.Bool("WrapButtons", s.WrapButtons);
  io.Bool("DetailPanel", s.DetailPanel);
  io.Flag("Category", s.Columns, uint16_t(colCategory));
  io.Flag("AppName", s.Columns, uint16_t(colAppName));
  io.Flag("ComputerName", s.Columns, uint16_t(colComputerName));
  io.Flag("ProcessID", s.Columns, uint16_t(colProcessID));
  io.Flag("ThreadName", s.Columns, uint16_t(colThreadName));
  io.Flag("Date", s.Columns, uint16_t(colDate));
  io.Flag("TimeStamp", s.Columns, uint16_t(colTimeStamp));
  io.Flag("TimeDiff", s.Columns, uint16_t(colTimeDiff));
  io.Flag("TimeOffset", s.Columns, uint16_t(colTimeOffset));
  io.Bool("HideExtraColumns", s.HideExtraColumns);
  io.Integer("MarkerColor", s.MarkerColor);
  io.Integer("SyncMsgColor", s.SyncMsgColor);
  io.Integer("SeparatorColor", s.SeparatorColor);
  io.Integer("InactiveSeparatorColor", s.InactiveSeparatorColor);
  io.Integer("AppStartSeparatorColor", s.AppStartSeparatorColor);
  io.Integer("ValueColor", s.ValueColor);
  io.Bool("RowShading", s.RowShading);
  io.Integer("RowShadingColor", s.RowShadingColor);
  io.Bool("StringWordWrap", s.Inspectors.StringWordWrap);
  io.Bool("StringLineNumbers", s.Inspectors.StringLineNumbers);
  io.Bool("TextWordWrap", s.Inspectors.TextWordWrap);
  io.Bool("TextJumpToEnd", s.Inspectors.TextJumpToEnd);
  io.Bool("TextLineNumbers", s.Inspectors.TextLineNumbers);
  io.Bool("StrListJumpToEnd", s.Inspectors.StrListJumpToEnd);
  io.Bool("MonospaceTextLineNumbers", s.Inspectors.MonospaceTextLineNumbers);
  io.Integer("DisplayType", s.Inspectors.DisplayType);
  // Keys of this program's own, after those a live receiver writes.
  io.Bool("OverviewBar", s.OverviewBar);
  io.Bool("Timeline", s.Timeline);
  // A key of its own: a file without it (an older one) reads the column as off, and an older program
  // skips the key it does not know.
  io.Flag("LogColumn", s.Columns, uint16_t(colLog));
}

template <typename Self, typename Io>
void TQBGeneralSettings::Visit(Self& s, const Io& io) {
  io.Bool("ConfirmOnClear", s.ConfirmOnClear);
  io.Bool("ConfirmOnClearBookmarks", s.ConfirmOnClearBookmarks);
  io.Bool("AutoSaveProject", s.AutoSaveProject);
  io.Bool("AutoCollapse", s.AutoCollapse);
  io.Bool("FlattenStructure", s.FlattenStructure);
  io.Bool("SoundEffectOnWakeUp", s.SoundEffectOnWakeUp);
  io.String("SoundEffectFile", s.SoundEffectFile);
  io.Bool("InsertSeparatorOnWakeUp", s.InsertSeparatorOnWakeUp);
  io.Integer("IdleTime", s.IdleTime);
  io.Bool("InsertSeparatorOnAppStart", s.InsertSeparatorOnAppStart);
  io.String("LastProject", s.LastProject);
  io.String("LastLogDir", s.LastLogDir);
  io.String("LastProjectDir", s.LastProjectDir);
  io.Integer("NavigatorMessage", s.NavigatorMessage);
  io.Bool("NavigatorAutomatic", s.NavigatorAutomatic);
  io.Integer("TimeDiffNavThreshold", s.TimeDiffNavThreshold);
  io.Bool("NavigatorTimeDiff", s.NavigatorTimeDiff);
  io.Bool("PrintSelection", s.PrintSelection);
  io.Integer("PrintFontSize", s.PrintFontSize);
  // Keys of this program's own features follow the ones every viewer version knows.
  io.Bool("FollowLogFile", s.FollowLogFile);
  io.Integer("MaxFollowRecord", s.MaxFollowRecord);
}

template <typename Self, typename Io>
void TQBFontSettings::Visit(Self& s, const Io& io) {
  io.String("Name", s.Name);
  io.Integer("Size", s.Size);
  io.Integer("Color", s.Color);
  io.Integer("Style", s.Style);
}

template <typename Self, typename Io>
void TQBFindSettings::Visit(Self& s, const Io& io) {
  io.Bool("FindForward", s.FindForward);
  io.Bool("FindFromCursor", s.FindFromCursor);
  io.Bool("FindInDetails", s.FindInDetails);
  io.Bool("MatchCase", s.MatchCase);
  io.Bool("RegularExpression", s.RegularExpression);
}

std::array<TQBTypeStyle, 45> TQBFontStyles::Defaults() {
  std::array<TQBTypeStyle, 45> entries{};
  for (int code = 0; code < qbtypes::BuiltInCount; ++code)
    if (!qbtypes::StyleKey(code).isEmpty()) entries[code] = {true, clWindowText, 0};
  const TQBFontSettings font;
  entries[0] = {true, font.Color, font.Style};
  return entries;
}

void TQBFontStyles::Read(const TQBIniFile& ini) {
  for (int code = 0; code < qbtypes::BuiltInCount; ++code) {
    const QString key = qbtypes::StyleKey(code);
    if (key.isEmpty()) continue;
    TQBTypeStyle& e = Entries[code];
    e.UseDefault = ini.ReadBool(kFontStyles, key + QLatin1String("UseDefault"), e.UseDefault);
    e.Color = ini.ReadInteger(kFontStyles, key + QLatin1String("Color"), e.Color);
    e.Style = ini.ReadInteger(kFontStyles, key + QLatin1String("Style"), e.Style) & FontStyleBits;
  }
}

void TQBFontStyles::Write(TQBIniFile& ini) const {
  for (int code = 0; code < qbtypes::BuiltInCount; ++code) {
    const QString key = qbtypes::StyleKey(code);
    if (key.isEmpty()) continue;
    const TQBTypeStyle& e = Entries[code];
    ini.WriteBool(kFontStyles, key + QLatin1String("UseDefault"), e.UseDefault);
    ini.WriteInteger(kFontStyles, key + QLatin1String("Color"), e.Color);
    ini.WriteInteger(kFontStyles, key + QLatin1String("Style"), e.Style);
  }
}

void TQBSettings::Read(const TQBIniFile& ini) {
  ReadSection(Position, ini, kPosition);
  ReadSection(Organizer, ini, kOrganizer);
  Organizer.MaxViews =
      std::clamp(Organizer.MaxViews, TQBOrganizerSettings::MinMaxViews, TQBOrganizerSettings::MaxMaxViews);
  ReadSection(Display, ini, kDisplay);
  Display.Columns = OneTimeColumn(Display.Columns);
  ReadSection(General, ini, kGeneral);
  General.PrintFontSize = FontSize(General.PrintFontSize);
  General.MaxFollowRecord = std::clamp(General.MaxFollowRecord, 1, MaxFollowRecordLimit);
  ReadSection(MessageFont, ini, kMessageFont);
  ReadSection(InspectorFont, ini, kInspectorFont);
  ReadSection(InspectorFixedFont, ini, kInspectorFixedFont);
  for (TQBFontSettings* font : {&MessageFont, &InspectorFont, &InspectorFixedFont}) ClampFont(*font);
  FontStyles.Read(ini);
  FontStyles.FollowMessageFont(MessageFont);
  ReadSection(Find, ini, kFind);
}

void TQBSettings::Write(TQBIniFile& ini) const {
  WriteSection(Position, ini, kPosition);
  WriteSection(Organizer, ini, kOrganizer);
  WriteSection(Display, ini, kDisplay);
  WriteSection(General, ini, kGeneral);
  WriteSection(MessageFont, ini, kMessageFont);
  WriteSection(InspectorFont, ini, kInspectorFont);
  WriteSection(InspectorFixedFont, ini, kInspectorFixedFont);
  FontStyles.Write(ini);
  WriteSection(Find, ini, kFind);
}
