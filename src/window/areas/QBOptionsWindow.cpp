#include "window/areas/QBOptionsWindow.h"

#include "inspectors/QBInspectorSet.h"
#include "shell/QBLayoutCommands.h"
#include "shell/QBViewManager.h"
#include "window/areas/QBLayoutWindow.h"
#include "window/dialogs/QBOptionsDialogs.h"
#include "view/widgets/QBColorValue.h"

#include <QWidget>

void TQBOptionsWindow::Options() {
  TQBOptionsValues values = FCommands.Values();
  if (P.Dialogs.RunOptions(&P.Window, values, P.ShowHelp)) FCommands.ApplyOptions(values);
}

void TQBOptionsWindow::SelectColumns() {
  TQBColumnChoice choice;
  if (P.Dialogs.RunColumns(&P.Window, P.Settings.Display.Columns, choice)) FCommands.ApplyColumnChoice(choice);
}

void TQBOptionsWindow::RefreshViewSettings() { P.Views.ReapplySettings(); }

void TQBOptionsWindow::ApplyValueColor() { P.Inspectors.SetValueColor(qbcolor::ToQColor(P.Settings.Display.ValueColor)); }

void TQBOptionsWindow::ApplyPaneLayout() { P.Layout.ApplyPaneLayout(P.LayoutCommands.PaneFlags()); }

void TQBOptionsWindow::ApplyInspector() {
  ApplyPaneLayout();
  // A hidden pane still inspects, with the string inspector whatever the type: look again.
  if (P.Layout.HasFocusedRow()) P.Inspect();
}

void TQBOptionsWindow::ApplyWrapButtons() { P.Layout.SetWrapButtons(P.Settings.Display.WrapButtons); }

void TQBOptionsWindow::ApplyAlwaysOnTop() { P.Layout.SetAlwaysOnTop(P.Settings.Display.AlwaysOnTop); }

void TQBOptionsWindow::ApplyMessageFont() {
  P.ApplyFonts();
  // The views take the new font and measure their rows and columns in it.
  RefreshViewSettings();
}

void TQBOptionsWindow::RepaintCurrentView() {
  if (IQBMessageView* view = P.Views.Current().View) view->Invalidate();
}
