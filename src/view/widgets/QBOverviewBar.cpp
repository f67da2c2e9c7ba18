#include "view/widgets/QBOverviewBar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// Where each kind is drawn across the strip: x and width. Separators cross it all.
struct TLane {
  int X, Width;
};
TLane LaneOf(TQBMarkKind kind) {
  switch (kind) {
    case TQBMarkKind::Found: return {1, 4};
    case TQBMarkKind::Error:
    case TQBMarkKind::Warning: return {5, 4};
    case TQBMarkKind::Bookmark:
    case TQBMarkKind::CheckPoint: return {9, 4};
    case TQBMarkKind::Separator: break;
  }
  return {0, TQBOverviewBar::StripWidth};
}

// Later kinds are drawn over earlier ones in a shared lane: an error over a warning, a bookmark over a
// check point.
constexpr TQBMarkKind PaintOrder[] = {TQBMarkKind::Separator, TQBMarkKind::Found,      TQBMarkKind::Warning,
                                      TQBMarkKind::Error,     TQBMarkKind::CheckPoint, TQBMarkKind::Bookmark};

QString CountOf(int count, TQBMarkKind kind) {
  static const char* const singular[MarkKindCount] = {"error",     "warning",   "bookmark",
                                                      "check point", "separator", "find match"};
  if (count == 1) return QStringLiteral("1 %1").arg(QString::fromLatin1(singular[int(kind)]));
  const QString name = QString::fromLatin1(qboverview::KindName(kind));
  return count == 0 ? QStringLiteral("no %1").arg(name) : QStringLiteral("%1 %2").arg(count).arg(name);
}

}  // namespace

TQBOverviewBar::TQBOverviewBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlOverview"));
  setFixedWidth(StripWidth);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  RefreshCounts();
}

void TQBOverviewBar::SetFeed(TFeed feed) {
  FFeed = std::move(feed);
  update();
}

QColor TQBOverviewBar::ColorOf(TQBMarkKind kind) {
  switch (kind) {
    case TQBMarkKind::Error: return {214, 39, 40};
    case TQBMarkKind::Warning: return {240, 160, 0};
    case TQBMarkKind::Bookmark: return {31, 100, 220};
    case TQBMarkKind::CheckPoint: return {44, 160, 44};
    case TQBMarkKind::Separator: return {140, 140, 160};
    case TQBMarkKind::Found: return {170, 60, 210};
  }
  return {};
}

QString TQBOverviewBar::CountsText(const TQBMarkCounts& counts) {
  QStringList parts;
  for (int k = 0; k < MarkKindCount; ++k) parts << CountOf(counts[size_t(k)], TQBMarkKind(k));
  return parts.join(QStringLiteral(", "));
}

QString TQBOverviewBar::Legend(const TQBMarkCounts& counts) {
  static const char* const colours[MarkKindCount] = {"red", "orange", "blue", "green", "grey", "violet"};
  QStringList lines{QStringLiteral("Overview of the whole view (click or drag to go there)")};
  for (int k = 0; k < MarkKindCount; ++k)
    lines << QStringLiteral("%1: %2").arg(QString::fromLatin1(colours[k]), CountOf(counts[size_t(k)], TQBMarkKind(k)));
  lines << QStringLiteral("The frame shows the rows on screen.");
  return lines.join(QLatin1Char('\n'));
}

void TQBOverviewBar::RefreshCounts() {
  const TQBMarkCounts counts = FFeed.Counts ? FFeed.Counts() : TQBMarkCounts{};
  if (counts == FCounts && !accessibleName().isEmpty()) return;
  FCounts = counts;
  setAccessibleName(QStringLiteral("Overview bar: %1").arg(CountsText(counts)));
  setAccessibleDescription(Legend(counts));
}

void TQBOverviewBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::AlternateBase));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, 0, 0, height() - 1);
  FMarks = FFeed.Marks ? FFeed.Marks(height()) : TQBOverviewMarks{};
  // One call per kind: a dense view marks every line, and a call per mark would cost more than
  // finding the marks.
  painter.setPen(Qt::NoPen);
  QList<QRect> rects;
  for (TQBMarkKind kind : PaintOrder) {
    const TLane lane = LaneOf(kind);
    const int thickness = kind == TQBMarkKind::Separator ? 1 : 2;
    rects.clear();
    for (int y : FMarks.Of(kind)) rects.append(QRect(lane.X, std::min(y, height() - thickness), lane.Width, thickness));
    painter.setBrush(ColorOf(kind));
    painter.drawRects(rects);
  }
  if (FMarks.FrameBottom >= FMarks.FrameTop) {
    QColor frame = palette().color(QPalette::Highlight);
    const QRect box(0, FMarks.FrameTop, width() - 1, std::max(2, FMarks.FrameBottom - FMarks.FrameTop + 1));
    painter.setPen(frame);
    frame.setAlpha(40);
    painter.setBrush(frame);
    painter.drawRect(box.adjusted(0, 0, 0, -1));
  }
  RefreshCounts();
}

void TQBOverviewBar::RequestRowAt(int y) {
  const int rows = FFeed.RowCount ? FFeed.RowCount() : 0;
  const int row = qboverview::RowAtLine(y, rows, height());
  if (row >= 0) emit rowRequested(row);
}

void TQBOverviewBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) RequestRowAt(int(event->position().y()));
}

void TQBOverviewBar::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) RequestRowAt(int(event->position().y()));
}

bool TQBOverviewBar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Legend(FCounts), this);
    return true;
  }
  return QWidget::event(event);
}
