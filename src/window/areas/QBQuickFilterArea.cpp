#include "window/areas/QBQuickFilterArea.h"

#include "shell/QBAreaFeedback.h"
#include "shell/QBQuickFilterView.h"
#include "view/widgets/QBMsgView.h"
#include "window/areas/QBQuickFilterBox.h"

#include <QBoxLayout>
#include <QLocale>
#include <QStackedWidget>

namespace {
// One slice of narrowing between two looks at the keyboard.
constexpr std::chrono::milliseconds Slice{8};
}  // namespace

TQBQuickFilterArea::TQBQuickFilterArea(TParts parts) : P(parts) {
  FBox = new TQBQuickFilterBox(P.Pages.parentWidget());
  if (auto* column = qobject_cast<QBoxLayout*>(P.Pages.parentWidget()->layout()))
    column->insertWidget(column->indexOf(&P.Pages), FBox);
  FTimer.setInterval(0);
  connect(&FTimer, &QTimer::timeout, this, &TQBQuickFilterArea::RunSlice);
  connect(FBox, &TQBQuickFilterBox::specChanged, this, &TQBQuickFilterArea::SpecChanged);
  connect(FBox, &TQBQuickFilterBox::accepted, this, &TQBQuickFilterArea::Accept);
  connect(FBox, &TQBQuickFilterBox::cancelled, this, &TQBQuickFilterArea::Cancel);
  connect(&P.Pages, &QStackedWidget::currentChanged, this, &TQBQuickFilterArea::CurrentChanged);
  CurrentChanged();
}

void TQBQuickFilterArea::Focus() { FBox->FocusText(); }

void TQBQuickFilterArea::Finish() {
  if (!FView || !FFilter.Busy()) return;
  FTimer.stop();
  FFilter.Finish();
  Narrowed();
}

void TQBQuickFilterArea::CurrentChanged() {
  FTimer.stop();
  if (FView) {
    FFilter.Clear();
    FView->SetHighlight(std::nullopt);
  } else {
    FFilter.Forget();
  }
  FView = qobject_cast<TQBMessageView*>(P.Pages.currentWidget());
  if (FView && !FBox->Spec().IsEmpty()) SpecChanged();
}

void TQBQuickFilterArea::SpecChanged() {
  const TQBQuickFilterSpec spec = FBox->Spec();
  const QString error = TQBQuickMatcher(spec).Error();
  if (!FView) return;
  FView->SetHighlight(spec.Include);
  FFilter.Start(FView->Model().Rows(), spec);
  if (FFilter.Busy()) {
    FBox->SetNote(error.isEmpty() ? QStringLiteral("Filtering...") : error);
    FTimer.start();
  } else {
    Narrowed();
  }
}

void TQBQuickFilterArea::RunSlice() {
  if (!FView) {
    FTimer.stop();
    FFilter.Forget();
    return;
  }
  if (!FFilter.Run(Slice)) return;
  FTimer.stop();
  Narrowed();
}

void TQBQuickFilterArea::Narrowed() {
  const TQBQuickFilterSpec spec = FBox->Spec();
  const QString error = TQBQuickMatcher(spec).Error();
  if (!error.isEmpty())
    FBox->SetNote(error);
  else if (spec.IsEmpty() || !FView)
    FBox->SetNote(QString());
  else
    FBox->SetNote(QStringLiteral("%1 of %2 messages").arg(QLocale().toString(FView->GetCount()),
                                                           QLocale().toString(FView->Model().Rows().ItemCount())));
  P.Feedback.UpdateCommands();
}

void TQBQuickFilterArea::Accept() {
  if (FBox->ExcludeDown()) {
    FBox->PinExclusion();
    return;
  }
  if (!FView) return;
  TQBFilterCriteria criteria;
  FView->GetFilterCriteria(criteria);
  const auto plan = qbquick::PlanNewView(criteria, FView->GetViewClassName(), FBox->Spec());
  if (!plan) {
    P.Feedback.ShowStatusText(QStringLiteral("Type a text to make a view of the messages that match it."));
    return;
  }
  // The box empties first, so the view it leaves gets its rows back before the new view is shown.
  FBox->ClearAll();
  P.Views.InsertView(plan->View);
  if (!plan->Note.isEmpty()) P.Feedback.ShowStatusText(plan->Note);
}

void TQBQuickFilterArea::Cancel() {
  FBox->ClearAll();
  if (FView) FView->setFocus(Qt::ShortcutFocusReason);
}
