#pragma once
// The application object GUI tests need before their first widget. Declare a TAppFirst member ahead
// of the widgets in a fixture.

#include <QApplication>

namespace qbtest {

// Never destroyed: a static application torn down among the exit handlers crashes once Qt's own
// globals are gone, so it lives until the process ends.
inline QApplication& GuiApp() {
  static int argc = 1;
  static char arg0[] = "test";
  static char* argv[] = {arg0, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

struct TAppFirst {
  TAppFirst() { GuiApp(); }
};

}  // namespace qbtest
