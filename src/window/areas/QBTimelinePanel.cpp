#include "window/areas/QBTimelinePanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

using namespace qbtimeline;

namespace {

constexpr int kHeight = 72;
constexpr int kAxisHeight = 16;
constexpr int kMargin = 4;
constexpr int kPixelsPerBucket = 3;  // the narrowest bar that still reads as a bar
constexpr int kPixelsPerLabel = 110;
constexpr int kDragSlop = 3;
constexpr int kCatchUpMs = 250;

const QColor kErrorColor(200, 45, 45);
const QColor kWarningColor(230, 150, 25);
const QColor kOtherColor(105, 125, 170);
const QColor kSelectionColor(60, 120, 215, 70);

}  // namespace

TQBTimelinePanel::TQBTimelinePanel(QWidget* parent)
    : QWidget(parent), FTimer(new QTimer(this)), FNewView(new QAction(this)), FMenu(new QMenu(this)) {
  setObjectName(QStringLiteral("pnlTimeline"));
  setAccessibleName(QStringLiteral("Timeline"));
  setFixedHeight(kHeight);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FTimer->setInterval(kCatchUpMs);
  connect(FTimer, &QTimer::timeout, this, &TQBTimelinePanel::Refresh);
  FNewView->setText(QStringLiteral("New View for This Time Range"));
  FNewView->setObjectName(QStringLiteral("actTimelineNewView"));
  FNewView->setEnabled(false);
  connect(FNewView, &QAction::triggered, this, &TQBTimelinePanel::CreateViewForSelection);
  FMenu->setObjectName(QStringLiteral("mnuTimeline"));
  FMenu->addAction(FNewView);
  UpdateDescription();
}

TQBTimelinePanel::~TQBTimelinePanel() = default;

void TQBTimelinePanel::Refresh() {
  if (CatchUp()) update();
}

bool TQBTimelinePanel::CatchUp() {
  const auto [view, rows] = FBindings.CurrentView ? FBindings.CurrentView() : std::pair<QObject*, const TQBViewRows*>{};
  // Another view, or the one counted is gone: its rows may be gone with it, so start over.
  if (view != FView.data() || FView.isNull() || rows != FRows) {
    FView = view;
    FRows = rows;
    FCounts = rows ? std::make_unique<TQBTimelineCounts>(*rows) : nullptr;
    FSelected = false;
    FNewView->setEnabled(false);
    FCursor = FAnchor = -1;
  }
  bool changed = !FCounts;
  if (FCounts) {
    FCounts->SetMaxBuckets(MaxBuckets());
    changed = FCounts->CatchUp();
  }
  if (changed) UpdateDescription();
  return changed;
}

QRect TQBTimelinePanel::BarArea() const {
  return rect().adjusted(kMargin, kMargin, -kMargin, -kAxisHeight);
}

int64_t TQBTimelinePanel::MaxBuckets() const { return std::max(1, BarArea().width() / kPixelsPerBucket); }

int64_t TQBTimelinePanel::BucketAt(int x) const {
  if (!FCounts || FCounts->Histogram().Empty()) return -1;
  const QRect area = BarArea();
  if (x < area.left() || x > area.right() || area.width() <= 0) return -1;
  const int64_t n = FCounts->Histogram().BucketCount();
  return std::min(n - 1, int64_t(x - area.left()) * n / area.width());
}

std::optional<TQBTimeRange> TQBTimelinePanel::Selection() const {
  if (!FSelected) return std::nullopt;
  return TQBTimeRange{StampOf(FSelFrom), StampOf(FSelTo)};
}

void TQBTimelinePanel::SelectBuckets(int64_t a, int64_t b) {
  if (!FCounts || a < 0 || b < 0) return;
  const TQBHistogram& h = FCounts->Histogram();
  const TQBTimeRange range = RangeOfBuckets(h, a, b);
  FSelFrom = InstantOf(range.From);
  FSelTo = InstantOf(range.To);
  FSelected = true;
  FNewView->setEnabled(true);
  update();
}

void TQBTimelinePanel::CreateViewForSelection() {
  if (const auto range = Selection(); range && FBindings.NewViewForRange) FBindings.NewViewForRange(*range);
}

void TQBTimelinePanel::OfferNewView(const QPoint& globalPos) {
  if (FSelected) FMenu->popup(globalPos);
}

void TQBTimelinePanel::UpdateDescription() {
  if (!FCounts || FCounts->Histogram().Empty()) {
    setAccessibleDescription(QStringLiteral("No messages"));
    return;
  }
  const TQBHistogram& h = FCounts->Histogram();
  TBucketCounts total;
  for (int64_t b = 0; b < h.BucketCount(); ++b) {
    total.Messages += h.At(b).Messages;
    total.Errors += h.At(b).Errors;
    total.Warnings += h.At(b).Warnings;
  }
  setAccessibleDescription(CountsText(total) + QStringLiteral(" from %1 to %2 in buckets of %3")
                                                  .arg(FormatInstant(FCounts->First()), FormatInstant(FCounts->Last()),
                                                       DurationText(h.Size())));
}

void TQBTimelinePanel::paintEvent(QPaintEvent*) {
  // A paint never shows stale counts, whenever the timer last looked (a load that just ended, a grab).
  CatchUp();
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  const QRect area = BarArea();
  if (!FCounts || FCounts->Histogram().Empty() || area.width() <= 0) {
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("No messages"));
    return;
  }
  const TQBHistogram& h = FCounts->Histogram();
  const int64_t n = h.BucketCount();
  int64_t highest = 1;
  for (int64_t b = 0; b < n; ++b) highest = std::max(highest, h.At(b).Messages);
  const auto heightOf = [&](int64_t count) { return int((count * area.height() + highest - 1) / highest); };
  for (int64_t b = 0; b < n; ++b) {
    const TBucketCounts& c = h.At(b);
    if (c.Messages == 0) continue;
    const int x = BucketX(b), w = std::max(1, BucketX(b + 1) - x - (n * 2 < area.width() ? 1 : 0));
    // Stacked from the bottom: errors, warnings, the rest; cumulative heights so rounding never
    // makes a bar taller than its count.
    const int base = area.bottom() + 1;
    const int errors = heightOf(c.Errors), warnings = heightOf(c.Errors + c.Warnings), all = heightOf(c.Messages);
    p.fillRect(x, base - errors, w, errors, kErrorColor);
    p.fillRect(x, base - warnings, w, warnings - errors, kWarningColor);
    p.fillRect(x, base - all, w, all - warnings, kOtherColor);
  }
  const int64_t from = h.FirstStart(), to = h.StartOf(n);
  const auto xOfInstant = [&](int64_t instant) {
    return area.left() + int(double(instant - from) * area.width() / double(to - from));
  };
  if (FSelected && FSelTo >= from && FSelFrom < to) {
    const int x0 = xOfInstant(std::max(FSelFrom, from)), x1 = xOfInstant(std::min(FSelTo + 1, to));
    p.fillRect(QRect(x0, area.top(), std::max(1, x1 - x0), area.height()), kSelectionColor);
  }
  if (const int64_t cursor = CursorBucket(); cursor >= 0 && hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    const int x = BucketX(cursor), w = std::max(2, BucketX(cursor + 1) - x);
    p.drawRect(QRect(x, area.top(), w, area.height()).adjusted(0, 0, -1, -1));
  }
  p.setPen(palette().color(QPalette::Mid));
  p.drawLine(area.left(), area.bottom() + 1, area.right(), area.bottom() + 1);
  p.setPen(palette().color(QPalette::Text));
  QFont font = p.font();
  font.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.85));
  p.setFont(font);
  for (const TAxisTick& tick : AxisTicks(from, to - 1, std::max(1, area.width() / kPixelsPerLabel))) {
    const int x = xOfInstant(tick.Instant);
    p.drawLine(x, area.bottom() + 1, x, area.bottom() + 4);
    p.drawText(QRect(x + 2, area.bottom() + 2, kPixelsPerLabel * 2, kAxisHeight - 2),
               Qt::AlignLeft | Qt::AlignVCenter, tick.Text);
  }
}

void TQBTimelinePanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isVisible()) Refresh();
}

void TQBTimelinePanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
  FTimer->start();
}

void TQBTimelinePanel::hideEvent(QHideEvent* event) {
  FTimer->stop();
  QWidget::hideEvent(event);
}

void TQBTimelinePanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  FPressX = event->position().toPoint().x();
  FDragging = false;
}

void TQBTimelinePanel::mouseMoveEvent(QMouseEvent* event) {
  const int x = event->position().toPoint().x();
  if (FPressX >= 0 && (event->buttons() & Qt::LeftButton)) {
    if (std::abs(x - FPressX) > kDragSlop) FDragging = true;
    const QRect area = BarArea();
    if (FDragging) SelectBuckets(BucketAt(FPressX), BucketAt(std::clamp(x, area.left(), area.right())));
    return;
  }
  const int64_t bucket = BucketAt(x);
  if (bucket < 0) return QToolTip::hideText();
  QToolTip::showText(event->globalPosition().toPoint(), BucketSummary(FCounts->Histogram(), bucket), this);
}

void TQBTimelinePanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || FPressX < 0) return QWidget::mouseReleaseEvent(event);
  const int pressX = FPressX;
  FPressX = -1;
  if (FDragging) {
    FDragging = false;
    OfferNewView(event->globalPosition().toPoint());
    return;
  }
  FSelected = false;
  FNewView->setEnabled(false);
  update();
  GoToBucket(BucketAt(pressX));
}

void TQBTimelinePanel::GoToBucket(int64_t bucket) {
  if (bucket < 0 || !FCounts) return;
  FCursor = FCounts->Histogram().StartOf(bucket);
  if (FBindings.GoToTime) FBindings.GoToTime(StampOf(FCursor));
}

int TQBTimelinePanel::BucketX(int64_t bucket) const {
  const QRect area = BarArea();
  const int64_t n = FCounts && !FCounts->Histogram().Empty() ? FCounts->Histogram().BucketCount() : 1;
  return area.left() + int(bucket * area.width() / n);
}

int64_t TQBTimelinePanel::CursorBucket() const {
  if (!FCounts || FCounts->Histogram().Empty() || FCursor < 0) return -1;
  return FCounts->Histogram().BucketOf(FCursor);
}

void TQBTimelinePanel::MoveCursor(int64_t bucket, bool extend) {
  if (!FCounts || FCounts->Histogram().Empty()) return;
  const TQBHistogram& h = FCounts->Histogram();
  bucket = std::clamp<int64_t>(bucket, 0, h.BucketCount() - 1);
  const int64_t from = CursorBucket() >= 0 ? CursorBucket() : bucket;
  if (extend) {
    if (FAnchor < 0 || !FSelected) FAnchor = h.StartOf(from);
    FCursor = h.StartOf(bucket);
    SelectBuckets(std::max<int64_t>(0, h.BucketOf(FAnchor)), bucket);
  } else {
    FCursor = h.StartOf(bucket);
    FAnchor = -1;
    update();
  }
  QToolTip::showText(mapToGlobal(QPoint(BucketX(bucket), BarArea().top())), BucketSummary(h, bucket), this);
}

void TQBTimelinePanel::keyPressEvent(QKeyEvent* event) {
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const int64_t cursor = CursorBucket();
  const int64_t last = FCounts ? FCounts->Histogram().BucketCount() - 1 : -1;
  switch (event->key()) {
    case Qt::Key_Left: return MoveCursor(cursor < 0 ? last : cursor - 1, extend);
    case Qt::Key_Right: return MoveCursor(cursor < 0 ? 0 : cursor + 1, extend);
    case Qt::Key_Home: return MoveCursor(0, extend);
    case Qt::Key_End: return MoveCursor(last, extend);
    case Qt::Key_Return:
    case Qt::Key_Enter: return GoToBucket(cursor);
    default: return QWidget::keyPressEvent(event);
  }
}

void TQBTimelinePanel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TQBTimelinePanel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TQBTimelinePanel::contextMenuEvent(QContextMenuEvent* event) {
  // From the menu key the menu opens at the selection's start rather than wherever the pointer is.
  if (event->reason() != QContextMenuEvent::Keyboard || !FCounts || !FSelected) return OfferNewView(event->globalPos());
  const int64_t bucket = std::max<int64_t>(0, FCounts->Histogram().BucketOf(FSelFrom));
  OfferNewView(mapToGlobal(QPoint(BucketX(bucket), BarArea().bottom())));
}
