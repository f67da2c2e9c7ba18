#pragma once
// The terminate and interrupt signals (a session manager logging out, a test ending the program)
// close the main window the way the user would: the project's auto-save and the exit prompt run and
// the settings are written, instead of the program being killed. The signal handler only writes a
// byte and raises the terminate flag (shell/QBTerminateRequest.h), which a running load or search
// looks at to stop; the event loop reads the byte, so the close runs where the user's would.
//
// A modal dialog (the plug-ins dialog, a question, the options) and an open menu run event loops of
// their own, and the window cannot close beneath them: a signal first ends each of them as Cancel or
// Escape would, and the window closes once their loops have returned. This is the one place where a
// signal becomes a close request; a load or a print that runs meanwhile makes the close wait for its
// end, as a click on the close button would.

#include <csignal>

class QWidget;

class TQBTerminateSignal {
public:
  // Installs the handlers of SIGTERM and SIGINT (before the application object exists, so that a
  // signal that comes early is kept, not fatal); the previous handlers come back when this goes.
  // One at a time.
  TQBTerminateSignal();
  ~TQBTerminateSignal();
  TQBTerminateSignal(const TQBTerminateSignal&) = delete;
  TQBTerminateSignal& operator=(const TQBTerminateSignal&) = delete;

  // From now on, and for a signal that came before, the window closes; the watch ends with the window.
  void CloseOnSignal(QWidget& window);
  // What a signal does, from the event loop: the modal dialogs and menus end, then the window closes.
  void Terminate(QWidget& window);

private:
  struct sigaction FOldTerm {};
  struct sigaction FOldInt {};
  bool FInstalled = false;
};
