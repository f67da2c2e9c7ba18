#include "view/widgets/QBIconLists.h"

#include "QBResources.h"

#include <QPainter>

namespace qbicons {
namespace {

QList<QIcon> LoadList(const QString& pattern, int count) {
  QBInitResources();
  QList<QIcon> list;
  for (int i = 0; i < count; ++i) list << QIcon(pattern.arg(i, 2, 10, QLatin1Char('0')));
  return list;
}

}  // namespace

const QList<QIcon>& MessageIcons() {
  static const QList<QIcon> icons = LoadList(QStringLiteral(":/icons/messages/msg%1.svg"), 46);
  return icons;
}

const QList<QIcon>& BookmarkIcons() {
  static const QList<QIcon> icons = [] {
    QBInitResources();
    QList<QIcon> list;
    for (int i = 0; i < 10; ++i) list << QIcon(QStringLiteral(":/icons/bookmarks/bookmark%1.svg").arg(i));
    list << QIcon(QStringLiteral(":/icons/bookmarks/sync.svg"));
    return list;
  }();
  return icons;
}

}  // namespace qbicons

void TQBIconStrip::Assign(const QList<QIcon>& icons, qreal devicePixelRatio) {
  FPixmaps.clear();
  FPixmaps.reserve(size_t(icons.size()));
  for (const QIcon& icon : icons) FPixmaps.push_back(icon.pixmap(qbicons::IconSize, devicePixelRatio));
}

void TQBIconStrip::Draw(QPainter& painter, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  painter.drawPixmap(x, y, FPixmaps[size_t(index)]);
}
