// The message view's construction, drawing and input.
#include "view/widgets/QBMsgView.h"

#include "view/widgets/QBMsgViewHint.h"
#include "view/widgets/QBMsgViewHost.h"
#include "view/widgets/QBRowPainter.h"
#include "view/widgets/QBRowText.h"
#include "view/widgets/QBViewHeader.h"
#include "view/QBViewRegistry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const QEvent::Type SelectionNoticeEvent = QEvent::Type(QEvent::registerEventType());

}  // namespace

TQBMessageView::TQBMessageView(QWidget* owner, TQuillboxMessageSet& set)
    : TQBVirtualListBox(owner),
      FHostHooks(std::make_unique<TQBMsgViewHostHooks>(*this)),
      FModel(set, *this, *FHostHooks),
      FNavigator(FModel) {
  setObjectName(QStringLiteral("MessageView"));
  setAccessibleName(QStringLiteral("Messages"));
  SetSelectionTarget(&FModel.Rows());
  SetOwnerDraw(true);
  SetShowHeader(true);
  SetScrollBars(TScrollBars::Both);
  SetNumItems(0);
  FDisplay.Font = font();
  RecalcColumnWidths();
}

TQBMessageView::~TQBMessageView() {
  // The organizer forgets the value this view filtered on, so a later pass may make a view for it again.
  qbviewregistry::Unregister(*this);
  delete FHint;
}

// ---------------------------------------------------------------------------------------------------
// Settings and columns

void TQBMessageView::ApplySettings() {
  if (!ViewerHost) return;
  const QFont oldFont = FDisplay.Font;
  FDisplay.ReadFrom(*ViewerHost, devicePixelRatio());
  setFont(FDisplay.Font);
  if (FHint) FHint->setFont(FDisplay.Font);
  // Widths measured in another font would clip or waste space.
  if (oldFont != FDisplay.Font) RecalcColumnWidths();
  RepaintAllRows();
}

void TQBMessageView::RecalcColumnWidths() {
  FWidths.Recalc(FModel.Rows(), FDisplay.Font);
  RepaintAllRows();
}

void TQBMessageView::OfferColumnNames(int recNo) {
  const TQuillboxMessageSet& set = FModel.MessageSet();
  const bool grew = FWidths.OfferMessage(set.At(recNo), FDisplay.Font);
  if (FWidths.OfferLog(FModel.Rows().Host(), recNo, FDisplay.Font) || grew) RepaintAllRows();
}

TQBDetailLayout TQBMessageView::DetailLayout() const {
  return FWidths.Layout(viewport()->width(), FDisplay.Columns);
}

void TQBMessageView::RecalcMetrics() {
  TQBVirtualListBox::RecalcMetrics();
  HideHint();
}

// ---------------------------------------------------------------------------------------------------
// Drawing

void TQBMessageView::DrawHeader(QPainter& painter) {
  PaintViewHeader(painter, DetailLayout(), FDisplay.Columns, viewport()->width(), RowHeight(), FDisplay.Font,
                  palette());
}

void TQBMessageView::SetHighlight(std::optional<TQBQuickTerm> term) {
  if (term && term->Text.isEmpty()) term.reset();
  if (term == FHighlight) return;
  FHighlight = std::move(term);
  RepaintAllRows();
}

void TQBMessageView::paintEvent(QPaintEvent* event) {
  auto context = std::make_unique<TQBRowPaintContext>();
  context->Model = &FModel;
  context->Display = &FDisplay;
  context->Texts = &FTextCache;
  context->Layout = DetailLayout();
  context->Palette = palette();
  context->CurrentRow = ItemIndex();
  context->RowHeight = RowHeight();
  context->Highlight = FHighlight ? &*FHighlight : nullptr;
  FPaintContext = std::move(context);
  FRowPainter = std::make_unique<TQBRowPainter>(*FPaintContext);
  try {
    TQBVirtualListBox::paintEvent(event);
  } catch (...) {
    FRowPainter.reset();
    throw;
  }
  FRowPainter.reset();
}

void TQBMessageView::DrawItem(QPainter& painter, int index, const QRect& rect, bool selected, const QString& text) {
  if (ValidRow(index) && FRowPainter) FRowPainter->Paint(painter, index, rect, selected, text);
}

QString TQBMessageView::DoGetItem(int index) const {
  if (!ValidRow(index)) return {};
  return FModel.MessageSet().At(FModel.Rows().GetRowRecNo(index)).MsgText();
}

// ---------------------------------------------------------------------------------------------------
// Selection notices

void TQBMessageView::NotifySelectionChanged() {
  if (ViewerHost) ViewerHost->SelectionChanged();
}

void TQBMessageView::PostSelectionNotice() {
  // A notice still waiting is dropped: holding a key yields one notice per processed key, no backlog.
  QCoreApplication::removePostedEvents(this, SelectionNoticeEvent);
  QCoreApplication::postEvent(this, new QEvent(SelectionNoticeEvent));
}

bool TQBMessageView::event(QEvent* event) {
  if (event->type() == SelectionNoticeEvent) {
    NotifySelectionChanged();
    return true;
  }
  return TQBVirtualListBox::event(event);
}

void TQBMessageView::DoClick() {
  TQBVirtualListBox::DoClick();
  if (!FInNavigationKey) NotifySelectionChanged();
}

bool TQBMessageView::IsNavigationKey(int key) {
  switch (key) {
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
  case Qt::Key_End:
  case Qt::Key_Home:
  case Qt::Key_Up:
  case Qt::Key_Down: return true;
  default: return false;
  }
}

// ---------------------------------------------------------------------------------------------------
// Input

void TQBMessageView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
    if (ItemIndex() >= 0) EditMessage(ItemIndex());
    event->accept();
    return;
  }
  const bool navigation = IsNavigationKey(event->key());
  FInNavigationKey = navigation;
  try {
    TQBVirtualListBox::keyPressEvent(event);
  } catch (...) {
    FInNavigationKey = false;
    throw;
  }
  FInNavigationKey = false;
  if (navigation && GetCount() > 0) PostSelectionNotice();
}

void TQBMessageView::DoDblClick() {
  HideHint();
  TQBVirtualListBox::DoDblClick();
  ToggleCurrentMethod();
}

void TQBMessageView::TopIndexChanged(int index) {
  HideHint();
  TQBVirtualListBox::TopIndexChanged(index);
}

void TQBMessageView::wheelEvent(QWheelEvent* event) {
  HideHint();
  TQBVirtualListBox::wheelEvent(event);
}

void TQBMessageView::focusOutEvent(QFocusEvent* event) {
  HideHint();
  TQBVirtualListBox::focusOutEvent(event);
}

void TQBMessageView::mouseMoveEvent(QMouseEvent* event) {
  TQBVirtualListBox::mouseMoveEvent(event);
  if (!MouseCaptured()) UpdateHint(event->position().toPoint());
}

bool TQBMessageView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) HideHint();
  return TQBVirtualListBox::viewportEvent(event);
}

void TQBMessageView::contextMenuEvent(QContextMenuEvent* event) {
  // A mouse's context menu arrives through the viewport, so its position is in viewport terms.
  const bool onHeader =
      event->reason() == QContextMenuEvent::Mouse && ShowHeader() && event->pos().y() < HeaderHeight();
  QMenu* menu = onHeader && FHeaderPopupMenu ? FHeaderPopupMenu.data() : FDisplay.PopupMenu;
  if (!menu) return TQBVirtualListBox::contextMenuEvent(event);
  HideHint();
  menu->popup(event->globalPos());
  event->accept();
}

// ---------------------------------------------------------------------------------------------------
// Hint window

void TQBMessageView::HideHint() {
  if (FHint) FHint->hide();
}

void TQBMessageView::UpdateHint(const QPoint& pos) {
  if (QGuiApplication::applicationState() != Qt::ApplicationActive) return;
  const int row = RowAtStrict(pos);
  if (!ValidRow(row)) return HideHint();
  // The message column as it lies without horizontal scrolling.
  const int left = GetRowLevel(row) * FDisplay.Indent + 24;
  const int right = DetailLayout().MessageRight;
  const QString text = pos.x() < right ? qbrowtext::HintText(DoGetItem(row)) : QString();
  const int textWidth = QFontMetrics(FDisplay.Font).horizontalAdvance(text);
  if (text.isEmpty() || right - left >= textWidth + 2) return HideHint();
  if (!FHint) {
    FHint = new TQBMessageViewHintWindow(this);
    FHint->setFont(FDisplay.Font);
  }
  FHint->SetText(text);
  const int maxWidth = width() - left - qbicons::IconSize.width() - 4;
  const QRect line = RowRect(row);
  const QPoint at = viewport()->mapToGlobal(QPoint(left - 1 - 2, line.top() - 2));
  FHint->ShowAt(at, TQBMessageViewHintWindow::HintSize(text, FDisplay.Font, maxWidth));
}
