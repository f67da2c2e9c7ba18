#pragma once
// The overview bar's area: View > Overview Bar ([Display] OverviewBar) and the strip beside the current
// message view's scroll bar. Each message view gets its own strip the first time it is current (a
// view of another class has none); the strip follows its view's rows through the list's row count and
// paints, and the area hands it the marks (TQBOverviewSource over the view's indexes) and, once a Find
// has set a find text, the rows that match it, found a slice at a time (TQBFoundItems).

#include "shell/QBCommandRules.h"
#include "view/QBFoundItems.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QStackedWidget;
class TQBMessageView;
class TQBOverviewBar;
struct TQBDisplaySettings;
struct TQBSearchState;

class TQBOverviewArea final : public QObject, public IQBCommandInputSource {
  Q_OBJECT
public:
  struct TParts {
    QStackedWidget& Pages;
    TQBDisplaySettings& Display;
    const TQBSearchState& Search;
  };
  explicit TQBOverviewArea(TParts parts);

  // View > Overview Bar.
  void Toggle();
  void GatherInputs(TQBCommandInputs& in) const override;
  // The current view's strip while it is shown; null otherwise.
  TQBOverviewBar* Bar() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CurrentChanged();
  TQBOverviewBar* MakeBar(TQBMessageView& view);
  // The found items of view for the current find text; starts their scan when the text is new.
  const std::vector<int32_t>* Found(TQBMessageView& view);
  void RunScan();

  TParts P;
  QPointer<TQBMessageView> FView;
  TQBFoundItems FFound;
  QTimer FScanTimer;
};
