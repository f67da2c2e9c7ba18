#pragma once
// Draws one row of a message view: background by priority, indentation, icon, the message text, the
// detail columns and, when logs are merged, the mark of the row's log; separators are drawn by QBSeparatorPainter instead of icon and text. Everything
// the painter needs is gathered once per paint into a TQBRowPaintContext, so a row costs one store
// lookup and the text it shows.

#include "view/widgets/QBColumnWidths.h"
#include "view/widgets/QBTextCache.h"
#include "view/widgets/QBViewDisplay.h"
#include "view/QBQuickFilter.h"
#include "view/QBViewModel.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QRect>

#include <array>
#include <vector>

class QPainter;

namespace qbrowpaint {

// The facts that decide a row's background.
struct TBackgroundFacts {
  bool IsCurrent = false;
  bool Selected = false;
  bool SyncMarked = false;
  bool Bookmarked = false;
  bool Shaded = false;  // row shading is on and the row index is odd
};
struct TBackgroundColors {
  QColor Sync, Marker, Shading, Category, Selection;
};
// Sync mark, then bookmark (both only off the current row), then shading or the category colour for
// an unselected row; a selected row keeps the selection colour.
QColor RowBackground(const TBackgroundFacts& facts, const TBackgroundColors& colors);
// The shading blend: 40/255 of the shading colour over the category colour, per channel.
QColor ShadeBlend(const QColor& shading, const QColor& category);

// Which icon a row shows: an index into the bookmark icons or the message icons, or none.
struct TIconChoice {
  enum class TList { None, Bookmarks, Messages } List = TList::None;
  int Index = -1;
};
TIconChoice ChooseIcon(int32_t type, bool collapsedMethod, bool syncMarked, int lowestBookmark);

// The mark of a message's log in the row's gutter when logs are merged: a stripe this wide at the
// row's left edge, in a fixed palette's colour chosen by the log's index (repeating after eight logs).
inline constexpr int LogMarkWidth = 3;
QColor LogMarkColor(int log);

// The font a message type is drawn with: the view font with the style bits of its style entry.
QFont StyledFont(const QFont& base, int32_t styleBits);

}  // namespace qbrowpaint

// What the painter needs of the view, gathered once per paint.
struct TQBRowPaintContext {
  const TQBViewModel* Model = nullptr;
  TQBTextCache* Texts = nullptr;
  const TQBViewDisplay* Display = nullptr;
  TQBDetailLayout Layout;
  QPalette Palette;
  int CurrentRow = -1;
  int RowHeight = 17;
  // The quick filter's text: its matches in the message text are marked; null marks nothing.
  const TQBQuickTerm* Highlight = nullptr;
};

class TQBRowPainter {
public:
  explicit TQBRowPainter(const TQBRowPaintContext& context);

  // rect: the row's line with its left edge moved by the horizontal scroll; its right edge is the
  // client's. text: the row's full message text.
  void Paint(QPainter& painter, int row, const QRect& rect, bool selected, const QString& text) const;

  // The row's background colour (for tests and the hint window).
  QColor Background(int row, bool selected) const;

private:
  struct TRow;
  TRow Describe(int row, const QRect& rect, bool selected) const;
  void PaintMessage(QPainter& painter, const TRow& r, const QString& text) const;
  // Marks the parts of the shown text that the quick filter's text matches.
  void PaintHighlight(QPainter& painter, const TRow& r, const QFontMetrics& fm, const QString& shown,
                      const QRect& column) const;
  void PaintIcon(QPainter& painter, const TRow& r) const;
  void PaintDetails(QPainter& painter, const TRow& r) const;
  void PaintLogMark(QPainter& painter, const TRow& r) const;
  // Draws text in font with its top left at (x, top), clipped to clip; width is the text's width.
  void DrawClipped(QPainter& painter, const QFont& font, int x, int top, const QString& text, int width,
                   const QRect& clip) const;
  // The message text as a column of width pixels shows it.
  QString ShownText(const QString& text, const QFont& font, const QFontMetrics& fm, int width) const;

  const TQBRowPaintContext& FContext;
  const TQBViewRows& FRows;
  const TQBViewDisplay& FDisplay;
  QFont FDetailFont;
  bool FLogsMerged = false;
  std::array<QFont, 16> FStyledFonts;
  std::vector<QFontMetrics> FStyledMetrics;
};
