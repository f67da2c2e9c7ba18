#include "view/widgets/QBRowPainter.h"

#include "view/widgets/QBSeparatorPainter.h"

#include "model/QBMessageTypes.h"

#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace qbrowpaint {

QColor ShadeBlend(const QColor& shading, const QColor& category) {
  // The weight is held in single precision, as the shading of earlier versions was computed.
  const float w = 40.0f / 255.0f;
  auto mix = [w](int s, int c) { return int(std::lround(float(s) * w + float(c) * (1.0f - w))); };
  return QColor(mix(shading.red(), category.red()), mix(shading.green(), category.green()),
                mix(shading.blue(), category.blue()));
}

QColor RowBackground(const TBackgroundFacts& facts, const TBackgroundColors& colors) {
  if (!facts.IsCurrent && facts.SyncMarked) return colors.Sync;
  if (!facts.IsCurrent && facts.Bookmarked) return colors.Marker;
  if (!facts.Selected) return facts.Shaded ? ShadeBlend(colors.Shading, colors.Category) : colors.Category;
  return colors.Selection;
}

TIconChoice ChooseIcon(int32_t type, bool collapsedMethod, bool syncMarked, int lowestBookmark) {
  using TList = TIconChoice::TList;
  if (syncMarked) return {TList::Bookmarks, qbicons::SyncMarkIcon};
  if (lowestBookmark >= 0) return {TList::Bookmarks, lowestBookmark};
  if (collapsedMethod) return {TList::Messages, qbmCollapsedMethod};
  const bool ownIcon = (type >= 0 && type <= 10) || (type >= 16 && type <= 38) || (type >= 41 && type <= 44);
  if (ownIcon) return {TList::Messages, int(type)};
  if (qbtypes::IsCustom(type)) return {TList::Messages, qbtypes::CustomIconIndex};
  return {};
}

QColor LogMarkColor(int log) {
  // Hues far apart, dark enough to show on a white row and beside the selection colour.
  static constexpr QRgb kPalette[] = {0x1F77B4, 0xFF7F0E, 0x2CA02C, 0xD62728, 0x9467BD, 0x8C564B, 0xE377C2, 0x17BECF};
  constexpr int count = int(std::size(kPalette));
  return QColor::fromRgb(kPalette[((log % count) + count) % count]);
}

QFont StyledFont(const QFont& base, int32_t styleBits) {
  QFont f = base;
  f.setBold(styleBits & 8);
  f.setItalic(styleBits & 4);
  f.setUnderline(styleBits & 2);
  f.setStrikeOut(styleBits & 1);
  return f;
}

}  // namespace qbrowpaint

using qbrowtext::TDetail;

struct TQBRowPainter::TRow {
  int Item = -1;
  int RecNo = 0;
  int32_t Type = 0;
  int Level = 0;
  bool Collapsed = false;
  bool Selected = false;
  bool SyncMarked = false;
  int Bookmark = -1;
  int Log = -1;  // the log whose mark the row shows; -1 for none
  QColor Back;
  QColor CategoryFont;
  bool HasCategory = false;
  QRect Rect;
  int IconX = 0, IconY = 0;
  int MsgLeft = 0, MsgRight = 0;
};

TQBRowPainter::TQBRowPainter(const TQBRowPaintContext& context)
    : FContext(context),
      FRows(context.Model->Rows()),
      FDisplay(*context.Display),
      FDetailFont(qbrowpaint::StyledFont(FDisplay.Font, 0)),
      FLogsMerged(FRows.Host().LogsMerged()) {
  for (int bits = 0; bits < 16; ++bits) {
    FStyledFonts[size_t(bits)] = qbrowpaint::StyledFont(FDisplay.Font, bits);
    FStyledMetrics.emplace_back(FStyledFonts[size_t(bits)]);
  }
}

void TQBRowPainter::DrawClipped(QPainter& painter, const QFont& font, int x, int top, const QString& text, int width,
                                const QRect& clip) const {
  const QStaticText& prepared = FContext.Texts->Get(text, font);
  // Clipping is costly enough per cell to skip when the text fits, as it nearly always does.
  if (x >= clip.left() && x + width <= clip.right() + 1) {
    painter.drawStaticText(x, top, prepared);
    return;
  }
  painter.save();
  painter.setClipRect(clip, Qt::IntersectClip);
  painter.drawStaticText(x, top, prepared);
  painter.restore();
}

QString TQBRowPainter::ShownText(const QString& text, const QFont& font, const QFontMetrics& fm, int width) const {
  // The common case, a text that fits, is answered from the cache without shaping the text again.
  const QString cut = qbrowtext::CutForDisplay(text);
  if (FContext.Texts->Width(cut, font) + fm.horizontalAdvance(QStringLiteral("...")) <= width) return cut;
  return qbrowtext::Shorten(text, font, fm, width);
}

TQBRowPainter::TRow TQBRowPainter::Describe(int row, const QRect& rect, bool selected) const {
  TRow r;
  r.Item = FRows.ItemOfRow(row);
  r.RecNo = FRows.ItemRecNo(r.Item);
  const TQBMessageRef m = FRows.MessageSet().At(r.RecNo);
  r.Type = m.MsgType();
  r.Level = FRows.ItemLevel(r.Item);
  r.Collapsed = FRows.ItemIsEnter(r.Item) && FRows.ItemCollapsed(r.Item);
  r.Selected = selected;
  r.SyncMarked = FContext.Model->SyncMessage() == r.RecNo;
  r.Bookmark = FContext.Model->Bookmarks().LowestOn(r.RecNo);
  r.Log = FLogsMerged ? FRows.Host().SourceLogOf(r.RecNo) : -1;
  r.HasCategory = !m.CategoryUtf8().isEmpty();
  r.CategoryFont = qbcolor::ToQColor(m.CategoryFontColor(), FContext.Palette);
  const qbrowpaint::TBackgroundFacts facts{row == FContext.CurrentRow, selected, r.SyncMarked, r.Bookmark >= 0,
                                           FDisplay.RowShading && (row % 2) == 1};
  const qbrowpaint::TBackgroundColors colors{qbcolor::ToQColor(FDisplay.SyncColor, FContext.Palette),
                                             qbcolor::ToQColor(FDisplay.MarkerColor, FContext.Palette),
                                             qbcolor::ToQColor(FDisplay.RowShadingColor, FContext.Palette),
                                             qbcolor::ToQColor(m.CategoryColor(), FContext.Palette),
                                             FContext.Palette.color(QPalette::Highlight)};
  r.Back = qbrowpaint::RowBackground(facts, colors);
  r.Rect = rect;
  const int indent = r.Level * FDisplay.Indent;
  r.IconX = rect.left() + indent + 4;
  r.IconY = rect.top() + (FContext.RowHeight - qbicons::IconSize.height()) / 2;
  r.MsgLeft = rect.left() + indent + 24;
  r.MsgRight = FContext.Layout.MessageRight;
  return r;
}

QColor TQBRowPainter::Background(int row, bool selected) const {
  return Describe(row, QRect(0, 0, 1, FContext.RowHeight), selected).Back;
}

void TQBRowPainter::Paint(QPainter& painter, int row, const QRect& rect, bool selected, const QString& text) const {
  const TRow r = Describe(row, rect, selected);
  if (qbtypes::IsSeparator(r.Type)) {
    const qbseparators::TSeparatorRow s{r.Type, r.Rect, r.IconX, r.Selected, r.Back};
    qbseparators::Paint(painter, s, FDisplay, FContext.Palette);
    if (r.Bookmark >= 0 || r.SyncMarked) PaintIcon(painter, r);
    PaintLogMark(painter, r);
    return;
  }
  PaintMessage(painter, r, text);
  PaintIcon(painter, r);
  PaintDetails(painter, r);
  PaintLogMark(painter, r);
}

void TQBRowPainter::PaintLogMark(QPainter& painter, const TRow& r) const {
  if (r.Log < 0) return;
  // Left of the icon, which starts 4 pixels in; never over the detail columns.
  const int right = std::min(r.Rect.left() + qbrowpaint::LogMarkWidth, r.MsgRight);
  if (right <= r.Rect.left()) return;
  painter.fillRect(QRect(r.Rect.left(), r.Rect.top(), right - r.Rect.left(), FContext.RowHeight),
                   qbrowpaint::LogMarkColor(r.Log));
}

void TQBRowPainter::PaintMessage(QPainter& painter, const TRow& r, const QString& text) const {
  const TQBTypeStyle& style = FDisplay.StyleOf(r.Type);
  const QFont& font = FStyledFonts[size_t(style.Style & 15)];
  QColor color = qbcolor::ToQColor(style.Color, FContext.Palette);
  if (r.Selected)
    color = FContext.Palette.color(QPalette::HighlightedText);
  else if (r.HasCategory)
    color = r.CategoryFont;
  painter.setFont(font);
  const QFontMetrics& fm = FStyledMetrics[size_t(style.Style & 15)];
  const int top = r.Rect.top(), height = FContext.RowHeight;
  QString shown = ShownText(text, font, fm, r.MsgRight - r.MsgLeft);
  // Where the text ends: a row scrolled far left may have nothing left to show (measured only then).
  const int fullRight = r.MsgLeft >= 0 ? r.MsgLeft : r.MsgLeft + FContext.Texts->Width(shown, font);
  if (r.Collapsed) shown = qbrowtext::Collapsed(shown, FRows.MethodSize(FRows.RowOfItem(r.Item)));
  const QRect column(r.MsgLeft, top, std::max(0, r.MsgRight - r.MsgLeft), height);
  if ((r.MsgLeft >= 0 || fullRight >= 0) && r.MsgLeft < r.MsgRight + qbicons::IconSize.width() + 4) {
    painter.fillRect(column, r.Back);
    if (FContext.Highlight) PaintHighlight(painter, r, fm, shown, column);
    painter.setPen(color);
    DrawClipped(painter, font, r.MsgLeft, top, shown, FContext.Texts->Width(shown, font), column);
    painter.fillRect(QRect(r.Rect.left(), top, std::max(0, r.MsgLeft - r.Rect.left()), height), r.Back);
  } else if (fullRight < 0) {
    painter.fillRect(QRect(0, top, std::max(0, r.MsgRight), height), r.Back);
    FDisplay.MessageIcons.Draw(painter, 4, r.IconY, qbicons::OffLeftMarker);
  } else {
    painter.fillRect(QRect(r.Rect.left(), top, std::max(0, r.MsgRight - r.Rect.left()), height), r.Back);
    FDisplay.MessageIcons.Draw(painter, r.MsgRight - 20, r.IconY, qbicons::OffRightMarker);
  }
}

void TQBRowPainter::PaintHighlight(QPainter& painter, const TRow& r, const QFontMetrics& fm, const QString& shown,
                                   const QRect& column) const {
  const QColor mark(255, 214, 64, r.Selected ? 150 : 255);
  painter.save();
  painter.setClipRect(column);
  for (const auto& [start, length] : qbquick::MatchSpans(shown, *FContext.Highlight)) {
    const int left = r.MsgLeft + fm.horizontalAdvance(shown.left(start));
    const int right = r.MsgLeft + fm.horizontalAdvance(shown.left(start + length));
    painter.fillRect(QRect(left, column.top() + 1, right - left, column.height() - 2), mark);
  }
  painter.restore();
}

void TQBRowPainter::PaintIcon(QPainter& painter, const TRow& r) const {
  if (FDisplay.MessageIcons.IsEmpty()) return;
  // Icons never spill into the detail columns.
  if (r.IconX >= r.MsgRight) return;
  const bool clip = r.IconX + qbicons::IconSize.width() > r.MsgRight;
  if (clip) {
    painter.save();
    painter.setClipRect(QRect(r.IconX, r.Rect.top(), r.MsgRight - r.IconX, FContext.RowHeight), Qt::IntersectClip);
  }
  const qbrowpaint::TIconChoice icon = qbrowpaint::ChooseIcon(r.Type, r.Collapsed, r.SyncMarked, r.Bookmark);
  using TList = qbrowpaint::TIconChoice::TList;
  if (icon.List == TList::Bookmarks) FDisplay.BookmarkIcons.Draw(painter, r.IconX, r.IconY, icon.Index);
  if (icon.List == TList::Messages) FDisplay.MessageIcons.Draw(painter, r.IconX, r.IconY, icon.Index);
  if (clip) painter.restore();
}

void TQBRowPainter::PaintDetails(QPainter& painter, const TRow& r) const {
  const TQBDetailLayout& layout = FContext.Layout;
  painter.setFont(FDetailFont);
  painter.setPen(r.Selected ? FContext.Palette.color(QPalette::HighlightedText) : r.CategoryFont);
  const int top = r.Rect.top(), height = FContext.RowHeight;
  for (int d = 0; d < qbrowtext::DetailCount; ++d) {
    if (!layout.Visible[size_t(d)]) continue;
    const QRect cell(layout.Left[size_t(d)], top, layout.Right[size_t(d)] - layout.Left[size_t(d)], height);
    painter.fillRect(cell, r.Back);
    const QString text = qbrowtext::DetailText(TDetail(d), FDisplay.Columns, FRows, r.Item);
    const int width = FContext.Texts->Width(text, FDetailFont);
    const int x = qbrowtext::IsLeftAligned(TDetail(d)) ? cell.left() + 4 : cell.right() + 1 - 2 - width;
    DrawClipped(painter, FDetailFont, x, top, text, width, cell);
  }
}
