#pragma once
// A scrollable list that stores no rows. It knows only how many rows there are and asks its owner
// (through overridable operations) for each visible row's text, colours, protection and selection,
// so a list of ten million rows costs no more memory or painting time than one of ten.
//
// Row positions: the item index (current row, -1 = none), the top index (first visible row), the caret
// row (the row with the focus rectangle, -1 = none) and the anchor of range selections. Selection
// itself lives with the owner: with MultiSelect the list sends requests to an IQBListSelectionTarget
// and asks it for each row's state.
//
// The operations are split over three files: this class's state and row positions (QBVList.cpp),
// keyboard and mouse (QBVListInput.cpp), painting (QBVListPaint.cpp).

#include "view/widgets/QBVListScroll.h"
#include "view/QBViewHooks.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <climits>
#include <cstdint>

class QPainter;

class TQBCustomVirtualListBox : public QAbstractScrollArea {
  Q_OBJECT
public:
  enum class TScrollBars { None, Horizontal, Vertical, Both };
  enum class TBorderStyle { None, Single };

  explicit TQBCustomVirtualListBox(QWidget* parent = nullptr);
  ~TQBCustomVirtualListBox() override;

  // --- Rows -------------------------------------------------------------------------------------
  int NumItems() const { return FNumItems; }
  // A negative count is stored as INT_MAX. A current row past the end is cleared, a list that shrank
  // below its top row shows its last page.
  void SetNumItems(int count);
  int ItemIndex() const { return FItemIndex; }
  // Makes index (clamped to the last row) current: unselects the old row, selects the new one, makes it
  // the anchor, scrolls it into view and raises the click event unless a mouse drag is running.
  virtual void SetItemIndex(int index);
  int TopIndex() const { return FTopIndex; }
  virtual void SetTopIndex(int index);
  // Shows index as the top row as far as the rows allow; indexes outside the rows are ignored.
  virtual void ScrollTo(int index);
  // After the owner moved rows around the current one in a bulk change: index becomes the current
  // row, the caret and the anchor without selection requests (the owner has set its flags), top the
  // top row (index stays in sight), and the click event is raised once.
  void RelocateItemIndex(int index, int top);
  int AnchorRow() const { return FAnchor; }
  void SetAnchorRow(int row) { FAnchor = row; }
  // Whole rows that fit below the header; at least 1.
  int PageRows() const { return FPageRows; }
  int LastRow() const { return FNumItems - 1; }

  // Nestable; no row is painted while any bracket is open (the list shows its background and header
  // meanwhile, never an unpainted area). An EndUpdate without its BeginUpdate raises
  // std::logic_error "Mismatched BeginUpdate/EndUpdate"; TQBUpdateBracket closes a bracket without
  // throwing.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // --- Selection --------------------------------------------------------------------------------
  // Receives the selection requests and answers the selection queries of a multi-select list.
  void SetSelectionTarget(IQBListSelectionTarget* target) { FSelectionTarget = target; }
  bool MultiSelect() const { return FMultiSelect; }
  // Only before the list is first shown: the owner's selection model depends on it.
  void SetMultiSelect(bool value);
  void SelectAllRows();
  void UnselectAll();

  // --- Geometry and look ------------------------------------------------------------------------
  int RowHeight() const { return FRowHeight; }
  // Switches AutoRowHeight off.
  void SetRowHeight(int height);
  bool AutoRowHeight() const { return FAutoRowHeight; }
  void SetAutoRowHeight(bool value);
  bool ShowHeader() const { return FShowHeader; }
  void SetShowHeader(bool value);
  QString Header() const { return FHeader; }
  void SetHeader(const QString& text);
  int HeaderHeight() const { return FShowHeader ? FRowHeight : 0; }
  // The largest horizontal scroll position; one position moves owner-drawn rows 10 pixels.
  int Columns() const { return FColumns; }
  void SetColumns(int value);
  int HorzPosition() const { return FHorzPos; }
  void SetHorzPosition(int pos);
  TScrollBars ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollBars bars);
  bool HasHorzScrollBar() const;
  bool HasVertScrollBar() const;
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value) { FOwnerDraw = value; RepaintAllRows(); }
  bool UseTabStops() const { return FUseTabStops; }
  void SetUseTabStops(bool value) { FUseTabStops = value; RepaintAllRows(); }

  QColor HeaderTextColor, HeaderBackColor, SelectTextColor, SelectBackColor, ProtectTextColor, ProtectBackColor;

  // The line of a row in viewport coordinates (full width); empty when the row is not on screen.
  QRect RowRect(int row) const;
  // The row under a viewport point, or -1: nothing above the rows or at or below the client bottom;
  // the band directly below the last row gives NumItems() (which SetItemIndex clamps).
  int RowAtStrict(const QPoint& p) const;

  // The vertical scroll bar in classic terms (range 16384 and scaled above 32767 rows).
  const TQBVScrollSetup& VScroll() const { return FVScroll; }

  // Repaints (later, once) the line of a row if it is visible; nothing during an update bracket.
  void RepaintRow(int row);
  void RepaintAllRows();

  // The text of a row as owners and accessibility clients see it.
  QString GetItemText(int index) const;
  // Whether a row is selected (asks the selection target of a multi-select list).
  bool RowSelected(int index) const { return IsSelected(index); }

  QSize sizeHint() const override { return {100, 150}; }

  // A narrow widget (the overview bar) between the rows and the vertical scroll bar, as tall as the
  // rows' area; it becomes the list's child and is shown. Null takes the strip away (it stays a hidden
  // child) and gives its width back to the rows.
  void SetSideStrip(QWidget* strip);
  QWidget* SideStrip() const { return FSideStrip; }

signals:
  void rowCountChanged(int count);
  void clicked();
  void doubleClicked();
  void headerClicked(QPoint point);
  void topIndexChanged(int topIndex);

protected:
  // --- Overridable operations -------------------------------------------------------------------
  virtual void RecalcMetrics();
  virtual void DrawHeader(QPainter& painter);
  // Owner drawing of one row; rect is the row's line moved left by 10 pixels per horizontal position.
  virtual void DrawItem(QPainter& painter, int index, const QRect& rect, bool selected, const QString& text);
  virtual QString DoGetItem(int index) const;
  virtual void DoGetItemColor(int index, QColor& fg, QColor& bg) const;
  virtual bool GetItemStatus(int index) const;
  virtual bool IsSelected(int index) const;
  virtual void Select(int index, bool selected);
  virtual void DoClick() { emit clicked(); }
  virtual void DoDblClick() { emit doubleClicked(); }
  // The row a typed character leads to; the default keeps the current row.
  virtual int CharToItem(QChar ch) { (void)ch; return FItemIndex; }
  virtual void ClickHeader(const QPoint& p) { emit headerClicked(p); }
  virtual void TopIndexChanged(int index) { emit topIndexChanged(index); }
  // Scrolls as little as needed to show row index.
  void MakeVisible(int index);
  // True while a left-button drag that started on a row is in progress (the classic mouse capture).
  bool MouseCaptured() const { return FDragging; }

  // --- Qt events --------------------------------------------------------------------------------
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

private:
  // Row positions and selection steps (QBVList.cpp).
  void MoveCaret(int row);
  void SelectRange(int from, int to, bool value);
  void ExtendSelection(int row);
  void MoveTo(int row);
  void ScrollBy(int n);
  void UpdateScrollBars();
  void OnVScrollAction(int action);
  void OnHScrollAction(int action);
  void RowHeightChanged();
  void NotifyAccessibleFocus();
  // Accessibility clients must forget the row objects; during a bracket once, when it closes.
  void NotifyAccessibleRows();
  void PlaceSideStrip();

  // Input (QBVListInput.cpp).
  bool HandleKey(int key, Qt::KeyboardModifiers mods);
  bool HandleShiftKey(int key);
  void PageDown();
  void PageUp();
  void SetHorzWithinUpdate(int pos);
  void CtrlPress(const QPoint& p);
  void PlainPress(const QPoint& p);
  void DragTo(const QPoint& p);
  void OnDragTimer();
  int RowAtDrag(const QPoint& p) const;

  // Painting (QBVListPaint.cpp).
  void PaintRow(QPainter& painter, int row, const QRect& line);
  void PaintCaret(QPainter& painter);

  IQBListSelectionTarget* FSelectionTarget = nullptr;
  int FNumItems = INT_MAX;
  int FItemIndex = -1;
  int FTopIndex = 0;
  int FCaretRow = -1;
  int FAnchor = 0;
  int FPageRows = 1;
  int FUpdateCount = 0;
  int FRowHeight = 17;
  bool FAutoRowHeight = true;
  bool FShowHeader = false;
  QString FHeader;
  int FColumns = 1024;
  int FHorzPos = 0;
  TScrollBars FScrollBars = TScrollBars::Vertical;
  TBorderStyle FBorderStyle = TBorderStyle::Single;
  bool FMultiSelect = true;
  bool FOwnerDraw = false;
  bool FUseTabStops = false;
  TQBVScrollSetup FVScroll;
  bool FScrollBarsStale = false;
  QPointer<QWidget> FSideStrip;
  bool FAccessibleRowsStale = false;

  // Drag selection: follows mouse moves; a timer keeps scrolling while the pointer rests above or
  // below the rows.
  bool FDragging = false;
  // A left press on the rows: its release is the click.
  bool FClickPending = false;
  bool FDragFirst = true;
  int FDragRow = -1;
  QPoint FDragPoint;
  QTimer FDragTimer;
};

// The published form of the list. It adds nothing but the properties, for designers and scripts.
class TQBVirtualListBox : public TQBCustomVirtualListBox {
  Q_OBJECT
  Q_PROPERTY(int NumItems READ NumItems WRITE SetNumItems)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
  Q_PROPERTY(int TopIndex READ TopIndex WRITE SetTopIndex)
  Q_PROPERTY(int RowHeight READ RowHeight WRITE SetRowHeight)
  Q_PROPERTY(bool AutoRowHeight READ AutoRowHeight WRITE SetAutoRowHeight)
  Q_PROPERTY(bool ShowHeader READ ShowHeader WRITE SetShowHeader)
  Q_PROPERTY(QString Header READ Header WRITE SetHeader)
  Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
  Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
  Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
  Q_PROPERTY(bool UseTabStops READ UseTabStops WRITE SetUseTabStops)
public:
  using TQBCustomVirtualListBox::TQBCustomVirtualListBox;
};
