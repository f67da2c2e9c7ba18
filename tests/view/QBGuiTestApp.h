#pragma once
// The application object GUI tests need before their first widget. Declare a TAppFirst member ahead
// of the widgets in a fixture.

#include <QApplication>

namespace qbtest {

inline QApplication& GuiApp() {
  static int argc = 1;
  static char arg0[] = "test";
  static char* argv[] = {arg0, nullptr};
  static QApplication app(argc, argv);
  return app;
}

struct TAppFirst {
  TAppFirst() { GuiApp(); }
};

}  // namespace qbtest
