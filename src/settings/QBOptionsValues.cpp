#include "settings/QBOptionsValues.h"

#include "model/QBMessageTypes.h"

const std::array<TQBStyleListEntry, 34> StyleListEntries = {{
    {"Notes", qbmNote},
    {"Warnings", qbmWarning},
    {"Errors", qbmError},
    {"Exceptions", qbmException},
    {"Level 1 - Red", qbmLevel1},
    {"Level 2 - Orange", qbmLevel2},
    {"Level 3 - Yellow", qbmLevel3},
    {"Level 4 - Green", qbmLevel4},
    {"Level 5 - Blue", qbmLevel5},
    {"Level 6 - Indigo", qbmLevel6},
    {"Level 7 - Violet", qbmLevel7},
    {"Reminders", qbmReminder},
    {"Check Points", qbmCheckPoint},
    {"String Lists", qbmStringList},
    {"Objects", qbmObject},
    {"Components (as Text)", qbmComponentAsText},
    {"Colors", qbmColor},
    {"Bitmaps", qbmBitmap},
    {"Text Files", qbmTextFile},
    {"Memory", qbmMemory},
    {"Memory Status", qbmMemoryStatus},
    {"Windows", qbmWindow},
    {"Registry", qbmRegistry},
    {"System Information", qbmSystemInfo},
    {"Version Information", qbmVersionInfo},
    {"XML Data", qbmXmlData},
    {"Collections", qbmCollection},
    {"Stack Traces", qbmStackTrace},
    {"Enter Methods", qbmEnterMethod},
    {"Exit Methods", qbmExitMethod},
    {"Custom Formats (Text)", qbmCustomText},
    {"Custom Formats (Properties)", qbmCustomProperties},
    {"Custom Formats (Table)", qbmCustomTable},
    {"Custom Formats (Hierarchy)", qbmCustomHierarchy},
}};

TQBOptionsValues TQBOptionsValues::Of(const TQBSettings& s) {
  TQBOptionsValues v;
  const TQBGeneralSettings& g = s.General;
  const TQBDisplaySettings& d = s.Display;
  v.ConfirmOnClear = g.ConfirmOnClear;
  v.ConfirmOnClearBookmarks = g.ConfirmOnClearBookmarks;
  v.AutoSaveProject = g.AutoSaveProject;
  v.AutoCollapse = g.AutoCollapse;
  v.FlattenStructure = g.FlattenStructure;
  v.ValueColor = d.ValueColor;
  v.MarkerColor = d.MarkerColor;
  v.SyncMsgColor = d.SyncMsgColor;
  v.RowShading = d.RowShading;
  v.RowShadingColor = d.RowShadingColor;
  v.Columns = TQBColumnChoice::Of(d.Columns);
  v.Inspector = d.Inspector;
  v.CallStack = d.CallStack;
  v.DetailPanel = d.DetailPanel;
  v.WrapButtons = d.WrapButtons;
  v.AlwaysOnTop = d.AlwaysOnTop;
  v.InspectorOnBottom = d.InspectorOnBottom;
  v.SeparatorColor = d.SeparatorColor;
  v.MessageFont = s.MessageFont;
  v.InspectorFont = s.InspectorFont;
  v.InspectorFixedFont = s.InspectorFixedFont;
  v.Styles = s.FontStyles;
  v.MirrorMessageFont();
  return v;
}
