#pragma once
// Finding a dialog's control by its object name in tests: a missing control fails the test with its
// name instead of crashing it on a null pointer later.

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace qbtest {

template <typename T> T* Child(QWidget* parent, const char* name) {
  T* child = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
  EXPECT_NE(child, nullptr) << "no control named " << name;
  return child;
}

}  // namespace qbtest
