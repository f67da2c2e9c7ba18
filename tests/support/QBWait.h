#pragma once
// Waiting for posted work in GUI tests: process events until a condition holds or a timeout passes,
// never a fixed number of event-loop turns (which breaks as soon as the work takes one more turn).
// For a signal, use QSignalSpy::wait.

#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

namespace qbtest {

// Long enough for a loaded sanitizer build; a failing wait costs this once.
inline constexpr std::chrono::milliseconds kWaitTimeout{10000};

// Processes events until condition() is true; false when the timeout passed first.
template <typename F> bool WaitFor(F condition, std::chrono::milliseconds timeout = kWaitTimeout) {
  return QTest::qWaitFor(condition, int(timeout.count()));
}

}  // namespace qbtest

// EXPECT_TRUE / ASSERT_TRUE of a condition that posted work makes true, waiting for it up to
// qbtest::kWaitTimeout.
#define QB_EXPECT_SOON(condition) \
  EXPECT_TRUE(::qbtest::WaitFor([&] { return bool(condition); })) << "never became true: " #condition
#define QB_ASSERT_SOON(condition) \
  ASSERT_TRUE(::qbtest::WaitFor([&] { return bool(condition); })) << "never became true: " #condition
