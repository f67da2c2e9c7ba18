#pragma once
// How a message view draws: the display state it reads from the host's settings in ApplySettings. The
// initial values are those of a view before any settings were applied.

#include "view/widgets/QBColorValue.h"
#include "view/QBColumns.h"
#include "view/widgets/QBIconLists.h"

#include <quillbox/QBTypeStyle.h>

#include <QColor>
#include <QFont>

#include <array>

class IQBViewerHost;
class QMenu;

struct TQBViewDisplay {
  static constexpr int DefaultIndent = 24;
  static constexpr TQBColumnSet DefaultColumns = uint16_t(TQBColumn::Category) | uint16_t(TQBColumn::AppName) |
                                                 uint16_t(TQBColumn::ComputerName) | uint16_t(TQBColumn::Date) |
                                                 uint16_t(TQBColumn::TimeStamp);

  bool AutoScroll = false;
  bool AutoCollapse = false;
  bool Flatten = false;
  TQBColumnSet Columns = DefaultColumns;
  int Indent = DefaultIndent;
  int32_t MarkerColor = qbcolor::Rgb(173, 216, 230);
  int32_t SyncColor = qbcolor::Rgb(255, 235, 175);
  int32_t SeparatorColor = qbcolor::Rgb(137, 173, 228);
  int32_t InactiveSeparatorColor = qbcolor::Rgb(214, 207, 169);
  int32_t AppStartSeparatorColor = qbcolor::Rgb(137, 173, 228);
  bool RowShading = false;
  int32_t RowShadingColor = qbcolor::SystemColor(qbcolor::SysButtonShadow);
  QFont Font;
  QMenu* PopupMenu = nullptr;
  TQBIconStrip MessageIcons;
  TQBIconStrip BookmarkIcons;
  // Entries 0..44 of the per-type style table; entry 0 is the default of every other type.
  std::array<TQBTypeStyle, 45> TypeStyles{};

  // Reads every display setting from the host. devicePixelRatio: the screen's, for the icon pixmaps.
  void ReadFrom(const IQBViewerHost& host, qreal devicePixelRatio);
  // The colour and style bits a message type is drawn with, before the category colour applies.
  const TQBTypeStyle& StyleOf(int32_t type) const;
};
