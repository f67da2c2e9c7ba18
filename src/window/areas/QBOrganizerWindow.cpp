#include "window/areas/QBOrganizerWindow.h"

#include "shell/QBViewManager.h"
#include "window/dialogs/QBViewAreaDialogs.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QMetaObject>
#include <QWidget>

TQBOrganizerWindow::TQBOrganizerWindow(const TParts& parts)
    : P(parts), FOrganizer(P.Set), FCommands(FOrganizer, P.Set, *this) {
  FOrganizer.SetViews(this);
  qbviewregistry::Install(&FOrganizer);
}

TQBOrganizerWindow::~TQBOrganizerWindow() {
  if (qbviewregistry::Installed() == &FOrganizer) qbviewregistry::Install(nullptr);
  FOrganizer.SetViews(nullptr);
}

bool TQBOrganizerWindow::RunOrganizerSettings(TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) {
  return P.Dialogs.RunOrganizerSettings(&P.Window, form, fields, autoOrganize);
}

void TQBOrganizerWindow::UpdateCommands() { P.Feedback.UpdateCommands(); }

void TQBOrganizerWindow::ShowStatusText(const QString& text) { P.Feedback.ShowStatusText(text); }

TQBOrganizedView TQBOrganizerWindow::CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) {
  // The automatic pass makes its views in bursts while a log loads (thousands in a log of many
  // threads): they are made in one bulk of the view manager that ends when the event loop next runs
  // (the load's next repaint), instead of holding the window and laying out the tab strip per view.
  if (FOrganizer.AutomaticPass() && !FBulkOpen) {
    FBulkOpen = true;
    P.Views.BeginBulk();
    QMetaObject::invokeMethod(&P.Window, [this] {
      FBulkOpen = false;
      P.Views.EndBulk();
    }, Qt::QueuedConnection);
  }
  // No class name: the program's own view class.
  const int index = P.Views.InsertView({name, QString(), criteria, false, true});
  if (index < 0) return {};
  return {P.Views.At(index).View, P.Views.At(index).List};
}

void TQBOrganizerWindow::ShowOrganizedView(const TQBOrganizedView& view) { P.Views.Select(P.Views.IndexOf(view.View)); }

void TQBOrganizerWindow::BeginCreating() { P.Views.BeginBulk(); }

void TQBOrganizerWindow::EndCreating() { P.Views.EndBulk(); }
