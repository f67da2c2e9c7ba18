#pragma once
// What the views draw with, as IQBViewerHost hands it out: the three fonts and the row height made
// from the settings, the five image lists, the per-type style table and the colours and display flags
// of the settings record. The settings stay the one place the values live; the fonts and the row
// height are made again whenever the font settings change (ApplyFonts).

#include <quillbox/QBTypeStyle.h>

#include <QFont>
#include <QIcon>
#include <QList>

#include <array>
#include <cstdint>

struct TQBSettings;

class TQBDisplayState {
public:
  explicit TQBDisplayState(const TQBSettings& settings);

  // The fonts and the row height from the font settings; until then the row height is 17.
  void ApplyFonts();

  int RowHeight() const { return FRowHeight; }
  // 0 message font, 1 inspector fixed font, 2 inspector font.
  const QFont& Font(int kind) const;
  const QFont& MessageFont() const { return FMessageFont; }
  const QFont& InspectorFont() const { return FInspectorFont; }
  const QFont& InspectorFixedFont() const { return FInspectorFixedFont; }
  // The style table entry of code; all zero outside the table.
  TQBTypeStyle TypeStyle(int32_t code) const;
  // 0 toolbar, 1 message icons, 2 navigation, 3 scratch pad (empty), 4 bookmarks.
  const QList<QIcon>& ImageList(int n) const;

  bool AutoCollapse() const;
  bool Flatten() const;
  uint16_t Columns() const;
  bool HideExtraColumns() const;
  int32_t BookmarkColor() const;
  bool RowShading() const;
  int32_t RowShadingColor() const;
  int32_t SyncMsgColor() const;
  int32_t SeparatorColor() const;
  int32_t InactiveSeparatorColor() const;
  int32_t AppStartSeparatorColor() const;
  int32_t ValueColor() const;

private:
  void CreateImageLists();

  const TQBSettings& FSettings;
  int FRowHeight = 17;
  QFont FMessageFont, FInspectorFont, FInspectorFixedFont;
  std::array<QList<QIcon>, 5> FImageLists;
};
