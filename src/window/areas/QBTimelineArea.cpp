#include "window/areas/QBTimelineArea.h"

#include "shell/QBViewCommands.h"
#include "view/widgets/QBMsgView.h"

TQBTimelinePanel::TBindings TimelineBindings(const IQBCurrentView& views, TQBViewCommands& commands,
                                             std::function<void()> updateCommands) {
  TQBTimelinePanel::TBindings b;
  b.CurrentView = [&views]() -> std::pair<QObject*, const TQBViewRows*> {
    const TQBViewBinding& current = views.Current();
    auto* own = qobject_cast<TQBMessageView*>(current.Object);
    return {current.Object, own ? &own->Model().Rows() : nullptr};
  };
  b.GoToTime = [&views, updateCommands](const TQBTimeStamp& ts) {
    if (IQBMessageViewTime* time = views.Current().Time) time->GoToTime(ts);
    updateCommands();
  };
  b.NewViewForRange = [&commands, updateCommands](const TQBTimeRange& range) {
    commands.NewViewForTimeRange(range);
    updateCommands();
  };
  return b;
}
