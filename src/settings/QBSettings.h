#pragma once
// The viewer's preferences as records, one per section of the settings file "QBFileViewer.ini". A
// default-constructed record holds the defaults; Read fills it from the in-memory file (missing or
// unreadable keys keep their default) and Write puts it back, key by key in the file's order, so keys
// the viewer does not know stay where they are.

#include "inspectors/parsers/QBInspectorOptions.h"
#include "view/QBColumns.h"

#include "settings/QBIniFile.h"

#include <quillbox/QBTypeStyle.h>
#include <quillbox/QuillboxTypes.h>

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// Organizer field set, in bit order.
enum TQBOrganizeField : uint8_t {
  orgAppName = 1,
  orgCategory = 2,
  orgProcessID = 4,
  orgThreadName = 8,
  orgComputerName = 16,
};

// Colours are signed 32-bit values (a system colour has 255 in the top byte).
inline constexpr int32_t clBtnShadow = static_cast<int32_t>(0xFF000010u);

struct TQBPositionSettings {
  int32_t Left = 20, Top = 20, Right = 790, Bottom = 420;  // the window's normal rectangle
  bool Maximized = false;
  template <typename Self, typename Io> static void Visit(Self& self, const Io& io);
  friend bool operator==(const TQBPositionSettings&, const TQBPositionSettings&) = default;
};

struct TQBDisplaySettings {
  bool AlwaysOnTop = false;
  bool Inspector = false;
  bool CallStack = false;
  bool InspectorOnBottom = false;
  int32_t MainSplitFixed = -1;   // right-hand column width; -1 keeps the layout's own
  int32_t LeftSplitFixed = -1;   // height of the pane below the message list
  int32_t RightSplitFixed = -1;  // height of the call stack pane
  bool WrapButtons = false;
  bool DetailPanel = false;
  bool OverviewBar = true;  // the strip of marks beside the message list's scroll bar
  bool Timeline = false;
  TQBColumnSet Columns = 0;  // TQBColumn flags; at most one of the three time columns
  bool HideExtraColumns = false;
  int32_t MarkerColor = 15128749;
  int32_t SyncMsgColor = 11529215;
  int32_t SeparatorColor = 14986633;
  int32_t InactiveSeparatorColor = 11128790;
  int32_t AppStartSeparatorColor = 14986633;
  int32_t ValueColor = 9319168;
  bool RowShading = true;
  int32_t RowShadingColor = clBtnShadow;
  TQBInspectorOptions Inspectors;
  template <typename Self, typename Io> static void Visit(Self& self, const Io& io);
  friend bool operator==(const TQBDisplaySettings&, const TQBDisplaySettings&) = default;
};

struct TQBGeneralSettings {
  bool ConfirmOnClear = true;
  bool ConfirmOnClearBookmarks = true;
  bool AutoSaveProject = true;
  bool AutoCollapse = true;
  bool FlattenStructure = false;
  // Only a live message receiver uses these; the viewer keeps them so they survive its writes.
  bool SoundEffectOnWakeUp = false;
  QString SoundEffectFile;
  bool InsertSeparatorOnWakeUp = false;
  int32_t IdleTime = 10;
  bool InsertSeparatorOnAppStart = false;
  QString LastProject;
  QString LastLogDir;      // empty: the default log folder
  QString LastProjectDir;  // empty: the default project folder
  int32_t NavigatorMessage = 3;
  bool NavigatorAutomatic = true;
  int32_t TimeDiffNavThreshold = 1000;
  bool NavigatorTimeDiff = false;
  bool PrintSelection = true;
  int32_t PrintFontSize = 8;
  bool FollowLogFile = false;  // Follow Log File's tick
  // The largest body, in MB, that a record still being written may claim while a log is followed; a
  // larger claim makes the log invalid there (1 to MaxFollowRecordLimit).
  int32_t MaxFollowRecord = 64;
  template <typename Self, typename Io> static void Visit(Self& self, const Io& io);
  friend bool operator==(const TQBGeneralSettings&, const TQBGeneralSettings&) = default;
};

// The largest MaxFollowRecord: a claim beyond 2 GB is invalid in any case.
inline constexpr int32_t MaxFollowRecordLimit = 2047;

// Font sizes in points that the settings accept; a stored size outside is brought to the nearest.
inline constexpr int32_t MinFontSize = 6, MaxFontSize = 72;
// The style bits: 8 bold, 4 italic, 2 underline, 1 strike-out.
inline constexpr int32_t FontStyleBits = 15;

struct TQBFontSettings {
  QString Name;
  int32_t Size = 8;
  int32_t Color = 0;
  int32_t Style = 0;  // 8 bold, 4 italic, 2 underline, 1 strike-out
  template <typename Self, typename Io> static void Visit(Self& self, const Io& io);
  friend bool operator==(const TQBFontSettings&, const TQBFontSettings&) = default;
};

struct TQBFindSettings {
  bool FindForward = true;
  bool FindFromCursor = false;
  bool FindInDetails = true;
  bool MatchCase = false;
  bool RegularExpression = false;
  template <typename Self, typename Io> static void Visit(Self& self, const Io& io);
  friend bool operator==(const TQBFindSettings&, const TQBFindSettings&) = default;
};

struct TQBOrganizerSettings {
  // The most views the organizer keeps: each costs memory and a look at new messages.
  static constexpr int32_t DefaultMaxViews = 2000;
  static constexpr int32_t MinMaxViews = 1;
  static constexpr int32_t MaxMaxViews = 100000;
  uint8_t Fields = 0;  // TQBOrganizeField flags
  bool AutoOrganize = false;
  int32_t MaxViews = DefaultMaxViews;
  template <typename Self, typename Io> static void Visit(Self& self, const Io& io);
  friend bool operator==(const TQBOrganizerSettings&, const TQBOrganizerSettings&) = default;
};

// The per-type style table, codes 0 to 44. Types with a style key default to "use the message font";
// the others stay all zero. Entry 0 (Info) has no key of its own: it is the message font's colour and
// style, which every row starts from, and follows the message font whenever that is read or changed.
struct TQBFontStyles {
  std::array<TQBTypeStyle, 45> Entries = Defaults();
  static std::array<TQBTypeStyle, 45> Defaults();
  void FollowMessageFont(const TQBFontSettings& font) { Entries[0] = {true, font.Color, font.Style}; }
  void Read(const TQBIniFile& ini);
  void Write(TQBIniFile& ini) const;
  friend bool operator==(const TQBFontStyles&, const TQBFontStyles&) = default;
};

// The settings file in the per-user data folder.
inline const QString SettingsFileName = QStringLiteral("QBFileViewer.ini");

struct TQBSettings {
  TQBPositionSettings Position;
  TQBOrganizerSettings Organizer;
  TQBDisplaySettings Display;
  TQBGeneralSettings General;
  TQBFontSettings MessageFont{QStringLiteral("Verdana")};
  TQBFontSettings InspectorFont{QStringLiteral("Verdana")};
  TQBFontSettings InspectorFixedFont{QStringLiteral("Courier New")};
  TQBFontStyles FontStyles;
  TQBFindSettings Find;
  // The find history ("MRULists") is the find dialog's own: TQBFindHistory reads and writes it.

  // Reads every section. Never fails: what cannot be read keeps its default.
  void Read(const TQBIniFile& ini);
  // Writes every section, in the file's section order.
  void Write(TQBIniFile& ini) const;
  friend bool operator==(const TQBSettings&, const TQBSettings&) = default;
};
