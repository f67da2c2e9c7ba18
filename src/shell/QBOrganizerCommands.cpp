#include "shell/QBOrganizerCommands.h"

void TQBOrganizerCommands::ApplySettings(const TQBOrganizerSettings& settings) {
  FOrganizer.SetOrganizeBy(settings.Fields);
  FOrganizer.SetMaxViews(settings.MaxViews);
  FAutoOrganize = settings.AutoOrganize;
}

void TQBOrganizerCommands::OrganizeMessages() {
  uint8_t fields = FOrganizer.OrganizeBy();
  bool autoOrganize = FAutoOrganize;
  // The fields chosen here serve this pass only; the automatic field set stays as it is.
  if (FWindow.RunOrganizerSettings(TQBOrganizerForm::OrganizeNow, fields, autoOrganize))
    ReportLeftOut(FOrganizer.OrganizeAll(fields));
  FWindow.UpdateCommands();
}

void TQBOrganizerCommands::ToggleAutoOrganize() {
  SetAutoOrganize(!FAutoOrganize);
  if (FAutoOrganize && FOrganizer.OrganizeBy() == 0) AutoOrganizeSettings();
}

void TQBOrganizerCommands::AutoOrganizeSettings() {
  uint8_t fields = FOrganizer.OrganizeBy();
  bool autoOrganize = FAutoOrganize;
  if (FWindow.RunOrganizerSettings(TQBOrganizerForm::Settings, fields, autoOrganize)) {
    if (fields != FOrganizer.OrganizeBy()) FOrganizer.SetOrganizeBy(fields);
    SetAutoOrganize(autoOrganize);
  } else if (FOrganizer.OrganizeBy() == 0) {
    // Auto-Organize without any field would organize nothing: a cancelled choice turns it off.
    SetAutoOrganize(false);
  }
}

void TQBOrganizerCommands::SetAutoOrganize(bool on) {
  FAutoOrganize = on;
  FWindow.UpdateCommands();
  if (on && FOrganizer.OrganizeBy() != 0 && FSet.GetRecordCount() > 0) {
    ReportLeftOut(FOrganizer.OrganizeAll(FOrganizer.OrganizeBy()));
    FWindow.UpdateCommands();
  }
}

void TQBOrganizerCommands::NewMessageAdded(int) {
  if (FAutoOrganize) FOrganizer.OrganizeNewMessage();
}

void TQBOrganizerCommands::ReportLeftOut() { ReportLeftOut(FOrganizer.TakeLeftOut()); }

void TQBOrganizerCommands::ReportLeftOut(int leftOut) {
  if (leftOut > 0) FWindow.ShowStatusText(FOrganizer.LeftOutText(leftOut));
}
