// main() of the test binaries without widgets whose code needs an event loop (file-system notices,
// timers): one core application object for the whole run, then the tests.

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
