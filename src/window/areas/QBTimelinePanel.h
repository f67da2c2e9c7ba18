#pragma once
// The timeline panel (pnlTimeline) above the message list: the current view's messages counted per
// time bucket, stacked as errors, warnings and the rest, over the view's time range, with a time axis.
// Hovering tells a bucket's range and counts, a click goes to its first message as Go to Time does,
// and a drag selects buckets and offers "New View for This Time Range". From the keyboard the panel
// has a bucket cursor: Left/Right/Home/End move it (telling its range and counts), Shift extends a
// selection from where it started, Enter goes to the cursor's bucket, the menu key offers the new view.
//
// The counting is TQBTimelineCounts; the panel only asks the window for the current view's rows and
// catches up on a timer while it is shown, so a followed log's new messages are added, never the old
// ones counted again.

#include "view/QBFilterCriteria.h"
#include "view/QBTimelineCounts.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QTimer;

class TQBTimelinePanel : public QWidget {
  Q_OBJECT
public:
  // What the panel asks of the window.
  struct TBindings {
    // The current view's control and rows; rows are null for a view that keeps none of its own.
    std::function<std::pair<QObject*, const TQBViewRows*>()> CurrentView;
    std::function<void(const TQBTimeStamp&)> GoToTime;
    std::function<void(const TQBTimeRange&)> NewViewForRange;
  };

  explicit TQBTimelinePanel(QWidget* parent = nullptr);
  ~TQBTimelinePanel() override;

  void Bind(TBindings bindings) { FBindings = std::move(bindings); }

  // Counts the current view up to its last message now (the timer does so while the panel is shown).
  void Refresh();
  // The counts shown; null while no view with rows is current.
  const TQBTimelineCounts* Counts() const { return FCounts.get(); }
  // The selected time range, kept as instants so that a recount at another bucket size keeps it.
  std::optional<TQBTimeRange> Selection() const;
  // Selects buckets a..b (either order) as a drag over them does.
  void SelectBuckets(int64_t a, int64_t b);
  QAction* NewViewAction() const { return FNewView; }
  // The bucket under x (in the panel's coordinates), -1 when there is none.
  int64_t BucketAt(int x) const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  // Brings the counts up to the current view; true when what the panel shows changed.
  bool CatchUp();
  QRect BarArea() const;
  int64_t MaxBuckets() const;
  void UpdateDescription();
  void OfferNewView(const QPoint& globalPos);
  void CreateViewForSelection();
  // The keyboard's bucket, -1 when there is none; kept as an instant so a recount keeps its place.
  int64_t CursorBucket() const;
  // The left edge of a bucket's bar (bucket may be one past the last).
  int BucketX(int64_t bucket) const;
  void MoveCursor(int64_t bucket, bool extend);
  void GoToBucket(int64_t bucket);

  TBindings FBindings;
  QPointer<QObject> FView;
  const TQBViewRows* FRows = nullptr;
  std::unique_ptr<TQBTimelineCounts> FCounts;
  QTimer* FTimer;
  QAction* FNewView;
  QMenu* FMenu;
  bool FSelected = false;
  int64_t FSelFrom = 0, FSelTo = 0;
  int64_t FCursor = -1, FAnchor = -1;  // instants in the cursor's and the anchor's buckets
  int FPressX = -1;
  bool FDragging = false;
};
