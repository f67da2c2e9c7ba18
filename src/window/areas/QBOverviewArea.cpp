#include "window/areas/QBOverviewArea.h"

#include "settings/QBSettings.h"
#include "shell/QBSearchState.h"
#include "view/widgets/QBMsgView.h"
#include "view/widgets/QBOverviewBar.h"

#include <QEvent>
#include <QStackedWidget>

namespace {
// A slice of the find scan: short enough that typing and scrolling stay smooth meanwhile.
constexpr std::chrono::milliseconds ScanSlice{8};
}  // namespace

TQBOverviewArea::TQBOverviewArea(TParts parts) : P(parts) {
  FScanTimer.setInterval(0);
  connect(&FScanTimer, &QTimer::timeout, this, &TQBOverviewArea::RunScan);
  connect(&P.Pages, &QStackedWidget::currentChanged, this, &TQBOverviewArea::CurrentChanged);
  CurrentChanged();
}

void TQBOverviewArea::Toggle() {
  P.Display.OverviewBar = !P.Display.OverviewBar;
  CurrentChanged();
}

void TQBOverviewArea::GatherInputs(TQBCommandInputs& in) const { in.OverviewBar = P.Display.OverviewBar; }

TQBOverviewBar* TQBOverviewArea::Bar() const {
  return FView ? qobject_cast<TQBOverviewBar*>(FView->SideStrip()) : nullptr;
}

void TQBOverviewArea::CurrentChanged() {
  // The find scan belongs to the view that was current; that view may be on its way out.
  FFound.Forget();
  FScanTimer.stop();
  FView = qobject_cast<TQBMessageView*>(P.Pages.currentWidget());
  if (!FView) return;
  TQBOverviewBar* bar = FView->findChild<TQBOverviewBar*>(QString(), Qt::FindDirectChildrenOnly);
  if (!bar && P.Display.OverviewBar) bar = MakeBar(*FView);
  FView->SetSideStrip(P.Display.OverviewBar ? bar : nullptr);
}

TQBOverviewBar* TQBOverviewArea::MakeBar(TQBMessageView& view) {
  auto* bar = new TQBOverviewBar(&view);
  TQBMessageView* v = &view;
  bar->SetFeed({[this, v](int height) {
                  const TQBOverviewSource source(v->Model().Rows(), v->Model().Bookmarks(), Found(*v));
                  return source.Compute(height, v->TopIndex(), v->PageRows());
                },
                [this, v] { return TQBOverviewSource(v->Model().Rows(), v->Model().Bookmarks(), Found(*v)).Counts(); },
                [v] { return v->GetCount(); }});
  connect(bar, &TQBOverviewBar::rowRequested, v, [v](int row) { v->SetTopIndex(std::max(0, row - v->PageRows() / 2)); });
  connect(v, &TQBCustomVirtualListBox::rowCountChanged, bar, [bar] { bar->update(); });
  // Every repaint of the rows (a collapse, a bookmark, a scroll, new messages in sight) renews the marks.
  view.viewport()->installEventFilter(this);
  return bar;
}

bool TQBOverviewArea::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint)
    if (auto* view = qobject_cast<TQBMessageView*>(watched->parent()))
      if (QWidget* strip = view->SideStrip()) strip->update();
  return QObject::eventFilter(watched, event);
}

const std::vector<int32_t>* TQBOverviewArea::Found(TQBMessageView& view) {
  if (&view != FView) return nullptr;
  const TQBSearchState& s = P.Search;
  FFound.Want(view.Model().Rows(), TQBQuickTerm{s.Text, {s.MatchCase, s.RegularExpression}, s.InDetails});
  if (FFound.Busy() && !FScanTimer.isActive()) FScanTimer.start();
  return FFound.Items(view.Model().Rows());
}

void TQBOverviewArea::RunScan() {
  if (!FView) {
    FFound.Forget();
    FScanTimer.stop();
    return;
  }
  FFound.Run(ScanSlice);
  if (FFound.Busy()) return;
  FScanTimer.stop();
  if (TQBOverviewBar* bar = Bar()) bar->update();
}
