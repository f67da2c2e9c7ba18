#include "window/areas/QBLayoutWindow.h"

#include "shell/QBViewManager.h"
#include "window/dialogs/QBErrorReport.h"
#include "window/QBMainLayout.h"
#include "window/QBToolStrip.h"
#include "window/QBViewTabs.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QUrl>

void TQBLayoutWindow::ApplyPaneLayout(const TQBPaneFlags& flags) { P.Layout.Apply(flags); }

void TQBLayoutWindow::SetWrapButtons(bool wrap) {
  P.Layout.MainToolBar()->SetWrap(wrap);
  P.Layout.ViewToolBar()->SetWrap(wrap);
}

void TQBLayoutWindow::SetAlwaysOnTop(bool onTop) {
  QMainWindow& w = P.Window;
  if (w.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool shown = w.isVisible();
  w.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (shown) w.show();  // changing a window flag hides the window
}

void TQBLayoutWindow::FocusCurrentView() { P.Tabs.FocusCurrentView(); }

bool TQBLayoutWindow::HasView() const { return P.Views.Current().View != nullptr; }

bool TQBLayoutWindow::HasFocusedRow() const { return P.Views.Current().FocusedRow() >= 0; }

void TQBLayoutWindow::ReapplyViewSettings() { P.Views.ReapplySettings(); }

QRect TQBLayoutWindow::MonitorRect() const {
  const QScreen* screen = P.Window.screen() ? P.Window.screen() : QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

QRect TQBLayoutWindow::FrameRect() const { return P.Window.frameGeometry(); }

void TQBLayoutWindow::PlaceFrame(const QRect& frame) {
  QMainWindow& w = P.Window;
  // The client size differs from the outer frame's by the decorations.
  const QSize decoration = w.frameGeometry().size() - w.size();
  w.showNormal();
  w.move(frame.topLeft());
  w.resize(frame.size() - decoration);
}

void TQBLayoutWindow::OpenHelpFile(const QString& file, const QString& address) {
  // The desktop's help viewer gets the file; the address inside it cannot be handed to it.
  Q_UNUSED(address);
  QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TQBLayoutWindow::ShowHelpError(const QString& caption, const QString& text) {
  P.Errors.ShowError(&P.Window, caption, text);
}
