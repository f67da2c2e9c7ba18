#pragma once
// Answering modal dialogs in tests. Before the code under test opens a modal dialog, the test says
// which dialog it expects and how to answer it:
//
//   auto answer = qbtest::AnswerModal<TFrmJumpToMsg>([](TFrmJumpToMsg& dialog) { ... });
//   TFrmJumpToMsg::Execute(nullptr, row);  // runs the dialog's event loop until it is answered
//
// A timer polls every few milliseconds for a visible modal dialog of that class (or object name),
// runs the answer on it and closes the dialog when the answer left it open. The poll runs in whatever
// event loop is current, so a dialog opened from inside another event handler, or by the answer to an
// earlier dialog, is found as well. When the expected dialog has not come within the timeout the test
// fails, and any other modal dialog that is blocking the test then is closed, so the test ends
// instead of waiting for a person. Leaving the scope waits for the dialog if it has not come yet.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

namespace qbtest {

// How long a test waits for an expected dialog; long enough for a loaded sanitizer build.
inline constexpr std::chrono::milliseconds kModalTimeout{10000};

class [[nodiscard]] TModalAnswer {
public:
  using TMatch = std::function<bool(QWidget*)>;
  using TAnswer = std::function<void(QWidget*)>;

  // what names the expected dialog in failure messages; match picks it among the modal windows.
  TModalAnswer(QString what, TMatch match, TAnswer answer, std::chrono::milliseconds timeout = kModalTimeout);
  ~TModalAnswer();
  TModalAnswer(const TModalAnswer&) = delete;
  TModalAnswer& operator=(const TModalAnswer&) = delete;

  // Processes events until the dialog has been answered. False, with the test failed, when it did
  // not come within the timeout.
  bool Wait();
  bool Answered() const { return FState == TState::Answered; }

private:
  enum class TState { Waiting, Answered, TimedOut };
  void Poll();
  void GiveUp();

  QString FWhat;
  TMatch FMatch;
  TAnswer FAnswer;
  std::chrono::milliseconds FTimeout;
  QElapsedTimer FClock;
  QTimer FTimer;
  TState FState = TState::Waiting;
};

// Answers the modal dialog of class T (a QObject class with Q_OBJECT).
template <typename T>
TModalAnswer AnswerModal(std::function<void(T&)> answer, std::chrono::milliseconds timeout = kModalTimeout) {
  return TModalAnswer(
      QString::fromLatin1(T::staticMetaObject.className()), [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
      [answer = std::move(answer)](QWidget* w) { answer(*static_cast<T*>(w)); }, timeout);
}

// Answers the modal dialog whose object name is objectName.
TModalAnswer AnswerModalNamed(const QString& objectName, std::function<void(QWidget&)> answer,
                              std::chrono::milliseconds timeout = kModalTimeout);

// For code that must not ask anything: every modal dialog that opens while this lives fails the test
// and is closed at once.
class TNoModalDialog {
public:
  TNoModalDialog();
  ~TNoModalDialog();
  TNoModalDialog(const TNoModalDialog&) = delete;
  TNoModalDialog& operator=(const TNoModalDialog&) = delete;

  int Closed() const { return FClosed; }

private:
  void Poll();

  QTimer FTimer;
  int FClosed = 0;
};

// Closes a dialog the way its Cancel would, or hides the window when it does not close.
void CloseModal(QWidget* window);

}  // namespace qbtest
