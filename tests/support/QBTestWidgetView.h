#pragma once
// The test view on a widget, for tests of the real main window, which puts every view on a tab page
// and gives it the keyboard. Everything else is TQBTestViewCore's.

#include "support/QBTestView.h"

#include <QWidget>

class TQBTestWidgetView : public QWidget, public TQBTestViewCore {
  Q_OBJECT
  Q_INTERFACES(IQBMessageView IQBMessageViewList IQBMessageViewMethods IQBMessageViewSave IQBMessageViewExport)
public:
  explicit TQBTestWidgetView(QWidget* owner) : QWidget(owner) {}
  bool IsFocused() const override { return hasFocus(); }
};
