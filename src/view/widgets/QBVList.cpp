#include "view/widgets/QBVList.h"

#include "view/widgets/QBVListAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>
#include <stdexcept>

TQBCustomVirtualListBox::TQBCustomVirtualListBox(QWidget* parent) : QAbstractScrollArea(parent) {
  qbvlistaccess::InstallFactory();
  const QPalette pal = palette();
  HeaderTextColor = pal.color(QPalette::ButtonText);
  HeaderBackColor = pal.color(QPalette::Button);
  SelectTextColor = pal.color(QPalette::HighlightedText);
  SelectBackColor = pal.color(QPalette::Highlight);
  ProtectTextColor = Qt::white;
  ProtectBackColor = Qt::red;
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->setAutoFillBackground(false);
  // Every pixel of the viewport is painted by paintEvent; Qt need not clear it first.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  SetScrollBars(FScrollBars);
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &TQBCustomVirtualListBox::OnVScrollAction);
  connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, &TQBCustomVirtualListBox::OnHScrollAction);
  FDragTimer.setInterval(50);
  connect(&FDragTimer, &QTimer::timeout, this, &TQBCustomVirtualListBox::OnDragTimer);
  RecalcMetrics();
}

TQBCustomVirtualListBox::~TQBCustomVirtualListBox() = default;

// ---------------------------------------------------------------------------------------------------
// Rows

void TQBCustomVirtualListBox::SetNumItems(int count) {
  if (count < 0) count = INT_MAX;
  if (count == FNumItems) return;
  const int old = FNumItems;
  FNumItems = count;
  if (FItemIndex >= count) SetItemIndex(-1);
  FAnchor = std::clamp(FAnchor, 0, std::max(0, count - 1));
  if (count == 0)
    FTopIndex = 0;  // ScrollTo(-1) would be ignored and leave the top row past the end
  else if (count < FTopIndex + FPageRows)
    ScrollTo(count - 1);
  else
    ScrollTo(FTopIndex);
  if (FPageRows >= count || FPageRows >= old) {
    RepaintAllRows();
  } else {
    // Rows that appeared or vanished inside the window must be drawn as well.
    const int from = std::min(old, count);
    if (from < FTopIndex + FPageRows) {
      const QRect first = RowRect(std::max(from, FTopIndex));
      if (UpdateCount() == 0) viewport()->update(QRect(first.topLeft(), viewport()->rect().bottomRight()));
    }
  }
  UpdateScrollBars();
  NotifyAccessibleRows();
  emit rowCountChanged(count);
}

void TQBCustomVirtualListBox::SetItemIndex(int index) {
  index = std::clamp(index, -1, FNumItems - 1);
  if (index == FItemIndex) return;
  const int old = FItemIndex;
  RepaintRow(old);
  if (old >= 0) Select(old, false);
  FItemIndex = index;
  FCaretRow = -1;
  if (index < 0) return;
  // A row the program or a click moves to is where the next Shift-extension starts, as in every list
  // control; an anchor left behind made a routine Shift+Down select every row back to an old click.
  FAnchor = index;
  MakeVisible(index);
  Select(index, true);
  MoveCaret(index);
  RepaintRow(index);
  NotifyAccessibleFocus();
  if (!MouseCaptured()) DoClick();
}

void TQBCustomVirtualListBox::RelocateItemIndex(int index, int top) {
  FItemIndex = std::clamp(index, -1, FNumItems - 1);
  FAnchor = FItemIndex;
  FCaretRow = FItemIndex;
  RepaintAllRows();
  NotifyAccessibleRows();
  if (FItemIndex < 0) return;
  ScrollTo(top);
  MakeVisible(FItemIndex);
  NotifyAccessibleFocus();
  if (!MouseCaptured()) DoClick();
}

void TQBCustomVirtualListBox::SetTopIndex(int index) {
  if (index != FTopIndex) ScrollTo(index);
}

void TQBCustomVirtualListBox::ScrollTo(int index) {
  if (index < 0 || index > LastRow()) return;
  const int top = std::max(0, std::min(index, LastRow() - FPageRows + 1));
  if (top == FTopIndex) return;
  FTopIndex = top;
  UpdateScrollBars();
  if (FUpdateCount == 0) viewport()->update(QRect(0, HeaderHeight(), viewport()->width(), viewport()->height()));
  MoveCaret(FItemIndex);
  TopIndexChanged(top);
}

void TQBCustomVirtualListBox::MakeVisible(int index) {
  if (index < FTopIndex)
    SetTopIndex(index);
  else if (index >= FTopIndex + FPageRows)
    SetTopIndex(std::max(0, index - FPageRows + 1));
}

void TQBCustomVirtualListBox::MoveCaret(int row) {
  if (row == FCaretRow) return;
  RepaintRow(FCaretRow);
  FCaretRow = row;
}

void TQBCustomVirtualListBox::BeginUpdate() {
  // Row repaints are dropped while the bracket is open (RepaintRow, ScrollTo and the others check the
  // count); the window system's own paints still come and show the background, so a list shown for
  // the first time during a long load is never left unpainted.
  ++FUpdateCount;
}

void TQBCustomVirtualListBox::EndUpdate() {
  if (FUpdateCount <= 0) throw std::logic_error("Mismatched BeginUpdate/EndUpdate");
  if (--FUpdateCount == 0) {
    if (FScrollBarsStale) UpdateScrollBars();
    if (FAccessibleRowsStale) NotifyAccessibleRows();
    viewport()->update();
  }
}

// ---------------------------------------------------------------------------------------------------
// Selection

void TQBCustomVirtualListBox::SetMultiSelect(bool value) {
  if (isVisible()) return;
  FMultiSelect = value;
}

bool TQBCustomVirtualListBox::IsSelected(int index) const {
  if (!FMultiSelect) return index == FItemIndex;
  if (!FSelectionTarget) throw std::logic_error("EOnIsSelectedNotAssigned");
  return FSelectionTarget->IsSelectedQuery(index);
}

void TQBCustomVirtualListBox::Select(int index, bool selected) {
  if (!FMultiSelect) return;
  if (!FSelectionTarget) throw std::logic_error("EOnSelectNotAssigned");
  // A protected row can lose its selection but never gain it.
  if (selected && index >= 0 && GetItemStatus(index)) return;
  FSelectionTarget->SelectRequest(index, selected);
}

void TQBCustomVirtualListBox::UnselectAll() {
  const int end = std::min(FTopIndex + FPageRows, FNumItems);
  for (int r = FTopIndex; r < end; ++r)
    if (IsSelected(r)) RepaintRow(r);
  Select(-1, false);
}

void TQBCustomVirtualListBox::SelectAllRows() {
  const int end = std::min(FTopIndex + FPageRows, FNumItems);
  for (int r = FTopIndex; r < end; ++r)
    if (!IsSelected(r)) RepaintRow(r);
  Select(-1, true);
}

void TQBCustomVirtualListBox::SelectRange(int from, int to, bool value) {
  const int step = from <= to ? 1 : -1;
  for (int r = from;; r += step) {
    Select(r, value);
    RepaintRow(r);
    if (r == to) break;
  }
}

void TQBCustomVirtualListBox::ExtendSelection(int row) {
  row = std::clamp(row, 0, LastRow());
  FItemIndex = row;
  MakeVisible(row);
  Select(row, true);
  RepaintRow(row);
  UnselectAll();
  SelectRange(FAnchor, row, true);
  FItemIndex = row;
  MoveCaret(row);
  NotifyAccessibleFocus();
}

void TQBCustomVirtualListBox::MoveTo(int row) {
  UnselectAll();
  SetItemIndex(row);
  FAnchor = FItemIndex;
}

// ---------------------------------------------------------------------------------------------------
// Look and metrics

void TQBCustomVirtualListBox::SetRowHeight(int height) {
  FAutoRowHeight = false;
  if (height < 1 || height == FRowHeight) return;
  FRowHeight = height;
  RowHeightChanged();
}

void TQBCustomVirtualListBox::SetAutoRowHeight(bool value) {
  FAutoRowHeight = value;
  RowHeightChanged();
}

void TQBCustomVirtualListBox::RowHeightChanged() {
  RecalcMetrics();
  RepaintAllRows();
}

void TQBCustomVirtualListBox::SetShowHeader(bool value) {
  if (value == FShowHeader) return;
  FShowHeader = value;
  RecalcMetrics();
  RepaintAllRows();
}

void TQBCustomVirtualListBox::SetHeader(const QString& text) {
  FHeader = text;
  RepaintAllRows();
}

void TQBCustomVirtualListBox::SetColumns(int value) {
  FColumns = std::clamp(value, 0, 65535);
  if (FHorzPos > FColumns) FHorzPos = FColumns;
  UpdateScrollBars();
}

void TQBCustomVirtualListBox::SetHorzPosition(int pos) {
  pos = std::clamp(pos, 0, FColumns);
  if (!HasHorzScrollBar() || pos == FHorzPos) return;
  FHorzPos = pos;
  UpdateScrollBars();
  RepaintAllRows();
}

bool TQBCustomVirtualListBox::HasHorzScrollBar() const {
  return FScrollBars == TScrollBars::Horizontal || FScrollBars == TScrollBars::Both;
}

bool TQBCustomVirtualListBox::HasVertScrollBar() const {
  return FScrollBars == TScrollBars::Vertical || FScrollBars == TScrollBars::Both;
}

void TQBCustomVirtualListBox::SetScrollBars(TScrollBars bars) {
  FScrollBars = bars;
  setVerticalScrollBarPolicy(HasVertScrollBar() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(HasHorzScrollBar() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  if (!HasHorzScrollBar()) FHorzPos = 0;
  UpdateScrollBars();
}

void TQBCustomVirtualListBox::SetBorderStyle(TBorderStyle style) {
  FBorderStyle = style;
  setFrameStyle(style == TBorderStyle::Single ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

void TQBCustomVirtualListBox::RecalcMetrics() {
  const QFontMetrics fm(font());
  if (FAutoRowHeight) FRowHeight = fm.height() + 3;
  const int rows = viewport()->height() / FRowHeight - (FShowHeader ? 1 : 0);
  FPageRows = std::max(1, rows);
  // An enlarged list stays filled from its top row down.
  if (FTopIndex + FPageRows - 1 >= FNumItems) SetTopIndex(std::max(0, FNumItems - FPageRows));
  UpdateScrollBars();
}

void TQBCustomVirtualListBox::UpdateScrollBars() {
  FVScroll = qbvscroll::Setup(FNumItems, FPageRows, FTopIndex, HasVertScrollBar());
  // A bulk change (a file loading row by row) sets the scroll bars once, at its end.
  if (FUpdateCount > 0) {
    FScrollBarsStale = true;
    return;
  }
  FScrollBarsStale = false;
  QScrollBar* v = verticalScrollBar();
  v->setRange(0, FVScroll.QtMaximum());
  v->setPageStep(FPageRows);
  v->setSingleStep(1);
  v->setValue(FVScroll.Position);
  QScrollBar* h = horizontalScrollBar();
  h->setRange(0, HasHorzScrollBar() ? FColumns : 0);
  h->setPageStep(10);
  h->setSingleStep(1);
  h->setValue(FHorzPos);
}

QRect TQBCustomVirtualListBox::RowRect(int row) const {
  if (row < FTopIndex || row >= FTopIndex + FPageRows || row >= FNumItems) return {};
  const int line = row - FTopIndex + (FShowHeader ? 1 : 0);
  return {0, line * FRowHeight, viewport()->width(), FRowHeight};
}

int TQBCustomVirtualListBox::RowAtStrict(const QPoint& p) const {
  if (p.y() < HeaderHeight() || p.y() >= viewport()->height()) return -1;
  int row = p.y() / FRowHeight + FTopIndex - (FShowHeader ? 1 : 0);
  row = std::min(row, FTopIndex + FPageRows - 1);
  return row <= FNumItems ? row : -1;
}

void TQBCustomVirtualListBox::RepaintRow(int row) {
  if (row < 0 || FUpdateCount > 0) return;
  const QRect r = RowRect(row);
  if (!r.isEmpty()) viewport()->update(r);
}

void TQBCustomVirtualListBox::RepaintAllRows() {
  if (FUpdateCount == 0) viewport()->update();
}

QString TQBCustomVirtualListBox::GetItemText(int index) const {
  return DoGetItem(index);
}

QString TQBCustomVirtualListBox::DoGetItem(int) const {
  return QStringLiteral("- OnGetItem -");
}

void TQBCustomVirtualListBox::DoGetItemColor(int, QColor&, QColor&) const {}

bool TQBCustomVirtualListBox::GetItemStatus(int) const {
  return false;
}

// ---------------------------------------------------------------------------------------------------
// Scrolling

void TQBCustomVirtualListBox::ScrollBy(int n) {
  if (FNumItems <= 0) return;
  SetTopIndex(qbvscroll::TopAfterScrollBy(FTopIndex, n, FNumItems, FPageRows));
}

void TQBCustomVirtualListBox::OnVScrollAction(int action) {
  QScrollBar* v = verticalScrollBar();
  switch (action) {
  case QAbstractSlider::SliderSingleStepSub: ScrollBy(-1); break;
  case QAbstractSlider::SliderSingleStepAdd: ScrollBy(1); break;
  case QAbstractSlider::SliderPageStepSub: ScrollBy(-(FPageRows - 1)); break;
  case QAbstractSlider::SliderPageStepAdd: ScrollBy(FPageRows - 1); break;
  case QAbstractSlider::SliderToMinimum: SetTopIndex(0); break;
  case QAbstractSlider::SliderToMaximum: SetTopIndex(qbvscroll::LastPageTop(FNumItems, FPageRows)); break;
  case QAbstractSlider::SliderMove:
    ScrollTo(qbvscroll::TopOfThumb(v->sliderPosition(), FVScroll, FNumItems, FPageRows));
    break;
  default: break;
  }
  // The slider applies its own position after this signal; make it the one that fits the top row.
  v->setSliderPosition(FVScroll.Position);
}

void TQBCustomVirtualListBox::OnHScrollAction(int action) {
  QScrollBar* h = horizontalScrollBar();
  switch (action) {
  case QAbstractSlider::SliderSingleStepSub: SetHorzPosition(FHorzPos - 1); break;
  case QAbstractSlider::SliderSingleStepAdd: SetHorzPosition(FHorzPos + 1); break;
  case QAbstractSlider::SliderPageStepSub: SetHorzPosition(FHorzPos - 10); break;
  case QAbstractSlider::SliderPageStepAdd: SetHorzPosition(FHorzPos + 10); break;
  case QAbstractSlider::SliderToMinimum: SetHorzPosition(0); break;
  case QAbstractSlider::SliderToMaximum: SetHorzPosition(FColumns); break;
  case QAbstractSlider::SliderMove: SetHorzPosition(h->sliderPosition()); break;
  default: break;
  }
  h->setSliderPosition(FHorzPos);
}

void TQBCustomVirtualListBox::scrollContentsBy(int, int) {
  // Scrolling is done by row (ScrollTo) and by horizontal position; the scroll bars only report.
}

// ---------------------------------------------------------------------------------------------------
// Window events

void TQBCustomVirtualListBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  PlaceSideStrip();
  RecalcMetrics();
}

void TQBCustomVirtualListBox::SetSideStrip(QWidget* strip) {
  if (FSideStrip && FSideStrip != strip) FSideStrip->hide();
  FSideStrip = strip;
  if (strip) {
    strip->setParent(this);
    strip->show();
  }
  setViewportMargins(0, 0, strip ? strip->sizeHint().width() : 0, 0);
  PlaceSideStrip();
}

void TQBCustomVirtualListBox::PlaceSideStrip() {
  if (!FSideStrip) return;
  const QRect rows = viewport()->geometry();
  FSideStrip->setGeometry(rows.right() + 1, rows.top(), FSideStrip->sizeHint().width(), rows.height());
}

void TQBCustomVirtualListBox::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  RecalcMetrics();
}

void TQBCustomVirtualListBox::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) RowHeightChanged();
}

void TQBCustomVirtualListBox::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  RepaintRow(FCaretRow);
  NotifyAccessibleFocus();
}

void TQBCustomVirtualListBox::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  RepaintRow(FCaretRow);
}

void TQBCustomVirtualListBox::NotifyAccessibleRows() {
  // A load adds rows one by one inside a bracket: clients hear of the new rows once, at its end.
  FAccessibleRowsStale = FUpdateCount > 0;
  if (!FAccessibleRowsStale) qbvlistaccess::RowsChanged(this);
}

void TQBCustomVirtualListBox::NotifyAccessibleFocus() {
  if (QAccessible::isActive() && hasFocus()) qbvlistaccess::CurrentRowChanged(this, FItemIndex);
}
