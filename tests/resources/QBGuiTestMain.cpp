// Rendering icons needs one QGuiApplication for the whole run.

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Test discovery runs the binary outside ctest's environment; it must start without a display too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
