#pragma once
// The image lists of the message view: the program's message icons (one per type code 0..44, then the
// custom icon) and bookmark icons (0..9, then the sync mark), and a strip of pixmaps rendered once from
// such a list so that painting a row only copies pixels.

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>

#include <vector>

namespace qbicons {

// Every icon is drawn in a cell of this size.
inline constexpr QSize IconSize{16, 11};
inline constexpr int SyncMarkIcon = 10;
// Message icons that mark a text lying off to the right and off to the left of the visible area.
inline constexpr int OffRightMarker = 11;
inline constexpr int OffLeftMarker = 12;

// The lists a host publishes (lists 1 and 4), loaded from the resources on first use.
const QList<QIcon>& MessageIcons();
const QList<QIcon>& BookmarkIcons();

}  // namespace qbicons

// Pixmaps of an icon list at the icon size, rendered when the list is set.
class TQBIconStrip {
public:
  void Assign(const QList<QIcon>& icons, qreal devicePixelRatio);
  bool IsEmpty() const { return FPixmaps.empty(); }
  int Count() const { return int(FPixmaps.size()); }
  // Draws icon index with its top left at (x, y); an index outside the list draws nothing.
  void Draw(class QPainter& painter, int x, int y, int index) const;

private:
  std::vector<QPixmap> FPixmaps;
};
