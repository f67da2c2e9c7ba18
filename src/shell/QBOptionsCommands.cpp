#include "shell/QBOptionsCommands.h"

void TQBOptionsCommands::StoreColor(int32_t& setting, int32_t value) {
  if (setting == value) return;
  setting = value;
  FWindow.RefreshViewSettings();
}

void TQBOptionsCommands::ApplyOptions(const TQBOptionsValues& v) {
  TQBDisplaySettings& d = FSettings.Display;
  TQBGeneralSettings& g = FSettings.General;
  // 1. The colours; each one the views read at once.
  StoreColor(d.SeparatorColor, v.SeparatorColor);
  StoreColor(d.MarkerColor, v.MarkerColor);
  StoreColor(d.SyncMsgColor, v.SyncMsgColor);
  if (d.ValueColor != v.ValueColor) {
    StoreColor(d.ValueColor, v.ValueColor);
    FWindow.ApplyValueColor();
  }
  // 2. Switches the views and the commands read later.
  d.RowShading = v.RowShading;
  d.RowShadingColor = v.RowShadingColor;
  g.ConfirmOnClear = v.ConfirmOnClear;
  g.ConfirmOnClearBookmarks = v.ConfirmOnClearBookmarks;
  g.AutoSaveProject = v.AutoSaveProject;
  // 3. Auto-collapse and flatten; applying them also brings the row shading to the views.
  g.AutoCollapse = v.AutoCollapse;
  FWindow.ApplyAutoCollapse();
  g.FlattenStructure = v.FlattenStructure;
  FWindow.ApplyFlattenStructure();
  // 4. The column set; a changed one is applied with the styles below.
  const bool columnsChanged = v.Columns.ReadBack(d.Columns);
  // 5. The layout.
  ApplyLayout(v);
  // 6. The style table, copied back whole when any entry differs.
  const bool stylesChanged = FSettings.FontStyles != v.Styles;
  if (stylesChanged) FSettings.FontStyles = v.Styles;
  // 7. The fonts.
  ApplyFonts(v);
  // 8. Columns and styles reach the views; new columns show even where extra columns were hidden.
  if (columnsChanged) {
    d.HideExtraColumns = false;
    FWindow.ApplyColumns();
  }
  if (stylesChanged) FWindow.ApplyStyles();
  if (columnsChanged || stylesChanged) FWindow.RepaintCurrentView();
  // 9. The settings file.
  FWindow.WriteSettings();
}

void TQBOptionsCommands::ApplyLayout(const TQBOptionsValues& v) {
  TQBDisplaySettings& d = FSettings.Display;
  // Applied only where they changed: re-applying an unchanged layout would flicker (always on top
  // recreates the window).
  struct TSwitch {
    bool& Setting;
    bool Value;
    void (IQBOptionsWindow::*Apply)();
  };
  const TSwitch switches[] = {
      {d.Inspector, v.Inspector, &IQBOptionsWindow::ApplyInspector},
      {d.CallStack, v.CallStack, &IQBOptionsWindow::ApplyCallStack},
      {d.InspectorOnBottom, v.InspectorOnBottom, &IQBOptionsWindow::ApplyInspectorPosition},
      {d.DetailPanel, v.DetailPanel, &IQBOptionsWindow::ApplyDetailPanel},
      {d.WrapButtons, v.WrapButtons, &IQBOptionsWindow::ApplyWrapButtons},
      {d.AlwaysOnTop, v.AlwaysOnTop, &IQBOptionsWindow::ApplyAlwaysOnTop},
  };
  for (const TSwitch& s : switches) {
    if (s.Setting == s.Value) continue;
    s.Setting = s.Value;
    (FWindow.*s.Apply)();
  }
}

void TQBOptionsCommands::ApplyFonts(const TQBOptionsValues& v) {
  struct TFont {
    TQBFontSettings& Setting;
    const TQBFontSettings& Value;
    void (IQBOptionsWindow::*Apply)();
  };
  const TFont fonts[] = {
      {FSettings.MessageFont, v.MessageFont, &IQBOptionsWindow::ApplyMessageFont},
      {FSettings.InspectorFont, v.InspectorFont, &IQBOptionsWindow::ApplyInspectorFont},
      {FSettings.InspectorFixedFont, v.InspectorFixedFont, &IQBOptionsWindow::ApplyInspectorFixedFont},
  };
  for (const TFont& f : fonts) {
    // Name, size, style or colour: any of them makes a changed font.
    if (f.Setting == f.Value) continue;
    f.Setting = f.Value;
    (FWindow.*f.Apply)();
  }
}

void TQBOptionsCommands::ApplyColumnChoice(const TQBColumnChoice& choice) {
  if (!choice.ReadBack(FSettings.Display.Columns)) return;
  FSettings.Display.HideExtraColumns = false;
  FWindow.ApplyColumns();
  FWindow.RepaintCurrentView();
}
