#include "window/areas/QBOrganizerWindow.h"

#include "shell/QBViewManager.h"
#include "window/dialogs/QBViewAreaDialogs.h"

#include <quillbox/QBCustomViewIntf.h>

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

TQBOrganizedView TQBOrganizerWindow::CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) {
  // No class name: the program's own view class.
  const int index = P.Views.InsertView({name, QString(), criteria, false, true});
  if (index < 0) return {};
  return {P.Views.At(index).View, P.Views.At(index).List};
}

void TQBOrganizerWindow::ShowOrganizedView(const TQBOrganizedView& view) { P.Views.Select(P.Views.IndexOf(view.View)); }

void TQBOrganizerWindow::BeginCreating() { P.Views.BeginBulk(); }

void TQBOrganizerWindow::EndCreating() { P.Views.EndBulk(); }
