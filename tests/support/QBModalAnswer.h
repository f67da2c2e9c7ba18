#pragma once
// Answers the next modal dialog of a test without a person and without a fixed count of events: a timer
// polls until a modal dialog is shown and runs the answer on it. A dialog that the answer leaves open,
// or one still open when the time is up, is rejected and the test fails; so does a dialog that never
// came (checked when the object goes out of scope). Create it before the call that opens the dialog.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace qbtest {

class TModalAnswer {
public:
  explicit TModalAnswer(std::function<void(QDialog*)> answer, int timeoutMs = 10000)
      : FAnswer(std::move(answer)), FTimeout(timeoutMs) {
    FClock.start();
    FTimer.setInterval(10);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
    FTimer.start();
  }
  ~TModalAnswer() {
    FTimer.stop();
    if (!FAnswered) ADD_FAILURE() << "no modal dialog was shown";
  }
  TModalAnswer(const TModalAnswer&) = delete;
  TModalAnswer& operator=(const TModalAnswer&) = delete;

  bool Answered() const { return FAnswered; }

private:
  void Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && !FAnswered && dialog->isVisible()) {
      FAnswered = true;
      FAnswer(dialog);
      return;
    }
    // Answered and closed, with no other dialog after it: nothing more to watch.
    if (FAnswered && !dialog) {
      FTimer.stop();
      return;
    }
    if (FClock.elapsed() < FTimeout) return;
    FTimer.stop();
    if (dialog && dialog->isVisible()) {
      ADD_FAILURE() << "the modal dialog was still open: closed by the test";
      dialog->reject();
    }
  }

  std::function<void(QDialog*)> FAnswer;
  int FTimeout;
  QElapsedTimer FClock;
  QTimer FTimer;
  bool FAnswered = false;
};

}  // namespace qbtest
