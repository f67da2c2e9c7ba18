// main() of every test binary that needs widgets: one application object for the whole run, on the
// offscreen platform unless the caller chose one, with the fonts shipped with the tests, then the tests.
// Test discovery runs the binary outside ctest's environment, so it must start without a display too.

#include "support/QBTestFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (!qbtest::UseTestFonts()) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
