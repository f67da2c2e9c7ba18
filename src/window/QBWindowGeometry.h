#pragma once
// Where the window and its splitter bars stand, from one session to the next. The stored rectangle is
// the window's normal client rectangle (the frame's decorations excluded): it is read back with the
// call that sets exactly that rectangle and written from the one that reports it, so a window that
// is not moved comes back at the same place and size every time, with no creep by the decorations'
// size, whatever the window manager puts around it. The splitter bars are placed once the window has
// its real size; without a stored width the right-hand column is wide enough for the inspector pane's
// toolbar.

class QMainWindow;
class TQBMainLayout;
struct TQBSettings;

class TQBWindowGeometry {
public:
  TQBWindowGeometry(QMainWindow& window, TQBMainLayout& layout, TQBSettings& settings)
      : FWindow(window), FLayout(layout), FSettings(settings) {}

  // Before the window is shown: the stored rectangle, moved onto a monitor when it lies on none, and
  // the maximised state. On a first start (no settings file) two thirds of the screen, centred.
  void Restore(bool firstStart);
  // The window is shown; true the first time, when the splitter bars are placed.
  bool Shown();
  // The normal rectangle, the maximised state and the splitter sizes into the settings.
  void Store();

private:
  QMainWindow& FWindow;
  TQBMainLayout& FLayout;
  TQBSettings& FSettings;
  bool FShown = false;
};
