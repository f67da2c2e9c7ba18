#pragma once
// The organizer's three commands without their widgets: "Organize Messages...", "Auto-Organize" and
// "Auto-Organize Settings...", the Auto-Organize switch with its settings, and the automatic pass for
// every message that enters the store. The window supplies the settings dialog and the command
// update through IQBOrganizerWindow.

#include "model/QBMessageAdder.h"
#include "shell/QBCommandRules.h"
#include "shell/QBOrganizer.h"
#include "shell/QBVocabulary.h"
#include "settings/QBSettings.h"

class IQBOrganizerWindow {
public:
  virtual ~IQBOrganizerWindow() = default;
  // The settings dialog in form, opened with fields ticked (TQBOrganizeField flags) and the
  // Auto-Organize box set as given; true on OK, with the fields and the box as the dialog ended.
  virtual bool RunOrganizerSettings(TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) = 0;
  virtual void UpdateCommands() = 0;
  // A text in the status message pane.
  virtual void ShowStatusText(const QString& text) = 0;
};

class TQBOrganizerCommands final : public IQBNewMessageObserver, public IQBCommandInputSource {
public:
  TQBOrganizerCommands(TQBOrganizer& organizer, const TQuillboxMessageSet& set, IQBOrganizerWindow& window)
      : FOrganizer(organizer), FSet(set), FWindow(window) {}

  // The tick of Auto-Organize.
  bool AutoOrganize() const { return FAutoOrganize; }
  // Takes the field set, the switch and the most views from the settings without organizing anything.
  void ApplySettings(const TQBOrganizerSettings& settings);
  TQBOrganizerSettings Settings() const { return {FOrganizer.OrganizeBy(), FAutoOrganize, FOrganizer.MaxViews()}; }

  // "Organize Messages...": the dialog in its organize-now form, then one pass with its fields.
  void OrganizeMessages();
  // "Auto-Organize": switches; switched on without fields, the settings dialog follows at once.
  void ToggleAutoOrganize();
  // "Auto-Organize Settings...".
  void AutoOrganizeSettings();
  // Sets the switch; switched on with fields over a store with messages, organizes them all.
  void SetAutoOrganize(bool on);

  // The adding path's notice: with Auto-Organize on, the new message is organized before the views
  // receive it (this observer comes before theirs).
  void NewMessageAdded(int recNo) override;
  // After messages came in (a load ended): says in the status pane how many values the automatic
  // pass left without a view since the last report, if any.
  void ReportLeftOut();
  // The tick of Auto-Organize in the command-state record.
  void GatherInputs(TQBCommandInputs& in) const override { in.AutoOrganize = FAutoOrganize; }

private:
  void ReportLeftOut(int leftOut);

  TQBOrganizer& FOrganizer;
  const TQuillboxMessageSet& FSet;
  IQBOrganizerWindow& FWindow;
  bool FAutoOrganize = false;
};
