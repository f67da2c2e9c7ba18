// Keyboard and mouse of the virtual list box.
#include "view/widgets/QBVList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

Qt::KeyboardModifiers Significant(Qt::KeyboardModifiers mods) {
  return mods & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Keyboard

void TQBCustomVirtualListBox::keyPressEvent(QKeyEvent* event) {
  // Qt's key press event is the key-down event owners see first (QWidget::keyPressEvent overrides
  // run before this base handler does anything).
  if (FNumItems > 0 && HandleKey(event->key(), Significant(event->modifiers()))) {
    event->accept();
    return;
  }
  const QString text = event->text();
  if (FNumItems > 0 && text.size() == 1 && text[0].isPrint() && Significant(event->modifiers()) != Qt::ControlModifier) {
    const int index = CharToItem(text[0]);
    if (index >= 0 && index <= LastRow()) SetItemIndex(index);
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

bool TQBCustomVirtualListBox::HandleKey(int key, Qt::KeyboardModifiers mods) {
  if (mods == Qt::ShiftModifier || mods == (Qt::ShiftModifier | Qt::ControlModifier)) {
    // Ctrl+Shift acts only with Home and End.
    if (mods != Qt::ShiftModifier && key != Qt::Key_Home && key != Qt::Key_End) return false;
    if (FMultiSelect) return HandleShiftKey(key);
    return false;
  }
  if (mods == Qt::ControlModifier) {
    if (key == Qt::Key_Home) {
      if (FItemIndex != 0) MoveTo(0);
      return true;
    }
    if (key == Qt::Key_End) {
      if (FItemIndex != LastRow()) MoveTo(LastRow());
      return true;
    }
    return false;
  }
  if (mods != Qt::NoModifier) return false;
  switch (key) {
  case Qt::Key_Up:
    if (FItemIndex > 0) MoveTo(FItemIndex - 1);
    return true;
  case Qt::Key_Down:
    if (FItemIndex < LastRow()) MoveTo(FItemIndex + 1);
    return true;
  case Qt::Key_Left:
    if (!HasHorzScrollBar()) return HandleKey(Qt::Key_Up, mods);
    if (FHorzPos > 0) SetHorzPosition(FHorzPos - 1);
    return true;
  case Qt::Key_Right:
    if (!HasHorzScrollBar()) return HandleKey(Qt::Key_Down, mods);
    if (FHorzPos < FColumns) SetHorzPosition(FHorzPos + 1);
    return true;
  case Qt::Key_PageDown: PageDown(); return true;
  case Qt::Key_PageUp: PageUp(); return true;
  case Qt::Key_Home: SetHorzWithinUpdate(0); return true;
  case Qt::Key_End: SetHorzWithinUpdate(FColumns); return true;
  default: return false;
  }
}

bool TQBCustomVirtualListBox::HandleShiftKey(int key) {
  switch (key) {
  case Qt::Key_Up: ExtendSelection(FItemIndex - 1); return true;
  case Qt::Key_Down: ExtendSelection(FItemIndex + 1); return true;
  case Qt::Key_PageUp: ExtendSelection(FItemIndex - FPageRows + 1); return true;
  case Qt::Key_PageDown: ExtendSelection(FItemIndex + FPageRows - 1); return true;
  case Qt::Key_Home:
    if (FItemIndex > 0) ExtendSelection(0);
    return true;
  case Qt::Key_End:
    if (FItemIndex < LastRow()) ExtendSelection(LastRow());
    return true;
  default: return false;
  }
}

void TQBCustomVirtualListBox::PageDown() {
  int target;
  if (FPageRows == 1)
    target = std::min(FItemIndex + 1, LastRow());
  else
    target = LastRow() - FPageRows + 1 >= FItemIndex ? FItemIndex + FPageRows - 1 : LastRow();
  if (target != FItemIndex) MoveTo(target);
}

void TQBCustomVirtualListBox::PageUp() {
  const int target = std::max(0, FPageRows == 1 ? FItemIndex - 1 : FItemIndex - FPageRows + 1);
  if (target != FItemIndex) MoveTo(target);
}

void TQBCustomVirtualListBox::SetHorzWithinUpdate(int pos) {
  TQBUpdateBracket<TQBCustomVirtualListBox> scope(*this);
  SetHorzPosition(pos);
}

// ---------------------------------------------------------------------------------------------------
// Mouse

void TQBCustomVirtualListBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    // The row under the pointer becomes current before the context menu opens.
    const int row = RowAtStrict(p);
    if (row >= 0 && FNumItems > 0) SetItemIndex(row);
    event->accept();
    return;
  }
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  event->accept();
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  if (FShowHeader && p.y() < FRowHeight) {
    ClickHeader(p);
    return;
  }
  if (FNumItems <= 0) return;
  FClickPending = true;
  const Qt::KeyboardModifiers mods = Significant(event->modifiers());
  if (FMultiSelect && mods == Qt::ControlModifier)
    CtrlPress(p);
  else if (FMultiSelect && mods == Qt::ShiftModifier)
    ExtendSelection(RowAtDrag(p));
  else
    PlainPress(p);
}

void TQBCustomVirtualListBox::CtrlPress(const QPoint& p) {
  const int row = RowAtStrict(p);
  if (row < 0 || row > LastRow()) return;
  Select(row, !IsSelected(row));
  MoveCaret(row);
  RepaintRow(row);
  FItemIndex = row;
  FAnchor = row;
  NotifyAccessibleFocus();
}

void TQBCustomVirtualListBox::PlainPress(const QPoint& p) {
  UnselectAll();
  if (FItemIndex >= 0) {
    Select(FItemIndex, true);
    MoveCaret(FItemIndex);
  }
  FDragging = true;
  FDragFirst = true;
  FDragRow = -1;
  DragTo(p);
}

// One step of a drag selection: where the classic control polled the mouse in a loop, the list reacts
// to each mouse move (and to the drag timer while the pointer rests outside the rows).
void TQBCustomVirtualListBox::DragTo(const QPoint& p) {
  FDragPoint = p;
  const bool outside = p.y() < HeaderHeight() || p.y() >= viewport()->height();
  if (outside && !FDragTimer.isActive()) FDragTimer.start();
  if (!outside) FDragTimer.stop();
  const int row = RowAtDrag(p);
  if (row < 0) return;
  if (FDragFirst || !FMultiSelect) {
    SetItemIndex(row);
    FAnchor = FItemIndex;
    FDragFirst = false;
    FDragRow = row;
    return;
  }
  if (row == FDragRow) return;
  FDragRow = row;
  const int end = std::min(FTopIndex + FPageRows, FNumItems);
  const int lo = std::min(FAnchor, row), hi = std::max(FAnchor, row);
  for (int r = FTopIndex; r < end; ++r)
    if ((r < lo || r > hi) && IsSelected(r)) RepaintRow(r);
  Select(-1, false);
  FItemIndex = row;
  MakeVisible(row);
  SelectRange(FAnchor, row, true);
  MoveCaret(row);
  NotifyAccessibleFocus();
}

void TQBCustomVirtualListBox::OnDragTimer() {
  if (!FDragging) {
    FDragTimer.stop();
    return;
  }
  // The row under a resting pointer above or below the list moves with the top row, so the drag
  // keeps scrolling by one row per tick.
  FDragRow = -2;
  DragTo(FDragPoint);
}

int TQBCustomVirtualListBox::RowAtDrag(const QPoint& p) const {
  const int y = p.y();
  const int header = HeaderHeight();
  int row;
  if (y < header)
    row = std::max(0, (y < 0 ? (y - FRowHeight + 1) / FRowHeight : y / FRowHeight) + FTopIndex - 1);
  else if (y < viewport()->height())
    row = std::min(y / FRowHeight + FTopIndex - (FShowHeader ? 1 : 0), FTopIndex + FPageRows - 1);
  else
    row = y / FRowHeight + FTopIndex;
  return std::clamp(row, 0, LastRow());
}

void TQBCustomVirtualListBox::mouseMoveEvent(QMouseEvent* event) {
  if (FDragging && (event->buttons() & Qt::LeftButton)) DragTo(event->position().toPoint());
  event->accept();
}

void TQBCustomVirtualListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && FClickPending) {
    // Also a release outside the list ends the drag with a click, as it held the mouse.
    FClickPending = false;
    FDragging = false;
    FDragTimer.stop();
    DoClick();
  }
  event->accept();
}

void TQBCustomVirtualListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (event->position().y() <= HeaderHeight() && FShowHeader) return;
  DoDblClick();
}

void TQBCustomVirtualListBox::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  // Three rows per event, whatever the size of the step.
  if (delta < 0)
    ScrollBy(3);
  else if (delta > 0)
    ScrollBy(-3);
  event->accept();
}
