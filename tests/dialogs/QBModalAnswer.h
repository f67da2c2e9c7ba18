#pragma once
// Answers the modal dialog that the code under test opens next. A timer polls for it (every 10 ms, for
// at most 5 s) and runs the answer on it; a dialog that the answer leaves open is rejected after
// another 5 s. Either way the test fails instead of waiting for a person.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace qbtest {

class TModalAnswer {
public:
  explicit TModalAnswer(std::function<void(QWidget*)> answer) : FAnswer(std::move(answer)) {
    FTimer.setInterval(10);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
    FTimer.start();
  }
  ~TModalAnswer() {
    FTimer.stop();
    EXPECT_TRUE(FAnswered) << "the modal dialog never came";
  }
  bool Answered() const { return FAnswered; }

private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!FAnswered) {
      if (modal) {
        FAnswered = true;
        FModal = modal;
        FDeadline = QDeadlineTimer(5000);
        FAnswer(modal);
      } else if (FDeadline.hasExpired()) {
        FTimer.stop();
      }
      return;
    }
    if (!FModal || !FModal->isVisible()) {
      FTimer.stop();
    } else if (FDeadline.hasExpired()) {
      ADD_FAILURE() << "the answer left the dialog open";
      if (auto* dialog = qobject_cast<QDialog*>(FModal.data())) dialog->reject();
      else FModal->close();
      FTimer.stop();
    }
  }

  std::function<void(QWidget*)> FAnswer;
  QTimer FTimer;
  QDeadlineTimer FDeadline{5000};
  QPointer<QWidget> FModal;
  bool FAnswered = false;
};

template <typename T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace qbtest
