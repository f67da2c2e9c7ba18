#include "window/QBTerminateSignal.h"

#include "shell/QBTerminateRequest.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler's end and the event loop's end of the pair.
int SignalPipe[2] = {-1, -1};

// Long work that does not return to the event loop for a while (a load, a search) sees the raised flag
// at its next check and stops; the byte wakes the event loop, which then closes the window.
void OnSignal(int) {
  qbterminate::Request();
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
}

// Ends every open menu and every shown modal window as Escape or Cancel would; true when there was one.
bool EndModalWindows() {
  bool found = false;
  // A menu takes the next click; a closed one runs nothing.
  if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
    found = true;
  }
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->isVisible() || !widget->isModal()) continue;
    found = true;
    if (auto* dialog = qobject_cast<QDialog*>(widget)) dialog->reject();
    else widget->close();
  }
  return found;
}

}  // namespace

TQBTerminateSignal::TQBTerminateSignal() {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, &FOldTerm);
  sigaction(SIGINT, &action, &FOldInt);
  FInstalled = true;
}

TQBTerminateSignal::~TQBTerminateSignal() {
  if (!FInstalled) return;
  sigaction(SIGTERM, &FOldTerm, nullptr);
  sigaction(SIGINT, &FOldInt, nullptr);
  ::close(SignalPipe[0]);
  ::close(SignalPipe[1]);
  SignalPipe[0] = SignalPipe[1] = -1;
}

void TQBTerminateSignal::CloseOnSignal(QWidget& window) {
  if (!FInstalled) return;
  auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [this, &window] {
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(SignalPipe[0], &byte, 1);
    Terminate(window);
  });
}

void TQBTerminateSignal::Terminate(QWidget& window) {
  // The dialogs' event loops return first (each to the command that opened it, which then ends as
  // after Cancel); the window closes from the loop beneath. A dialog that does not go at once (a job
  // that ends its progress first) is asked again.
  if (EndModalWindows()) {
    QTimer::singleShot(20, &window, [this, &window] { Terminate(window); });
    return;
  }
  window.close();
}
