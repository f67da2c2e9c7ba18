#pragma once
// What the timeline panel is bound to in the window: the current view's rows (for views that keep
// their own, the program's message view), Go to Time on that view, and New View for This Time Range
// through the view commands.

#include "window/areas/QBTimelinePanel.h"

#include <functional>

class IQBCurrentView;
class TQBViewCommands;

TQBTimelinePanel::TBindings TimelineBindings(const IQBCurrentView& views, TQBViewCommands& commands,
                                             std::function<void()> updateCommands);
