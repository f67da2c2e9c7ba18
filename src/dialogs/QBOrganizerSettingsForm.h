#pragma once
// TFrmOrganizerSettings: the organizer's field set in its two forms. The settings form (caption
// "Message Organizer Settings") also carries the Auto-Organize box; the organize-now form ("Organize
// Messages") hides it. The Auto-Organize box is enabled exactly when a field is ticked, and OK with no
// field ticked unticks it.

#include "settings/QBSettings.h"
#include "shell/QBVocabulary.h"

#include <QDialog>

#include <array>

class QCheckBox;

class TFrmOrganizerSettings : public QDialog {
  Q_OBJECT
public:
  TFrmOrganizerSettings(TQBOrganizerForm form, QWidget* parent = nullptr);

  // Ticks the fields (TQBOrganizeField flags) and sets the Auto-Organize box.
  void Load(uint8_t fields, bool autoOrganize);
  uint8_t Fields() const;
  bool AutoOrganize() const;
  QCheckBox* AutoOrganizeBox() const { return FAutoOrganize; }

  // Shows the dialog centred over control; true on OK with the fields and the box it ended with.
  static bool Execute(QWidget* control, TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize);

private:
  void SyncAutoOrganizeBox();
  void Confirm();

  struct TFieldBox {
    TQBOrganizeField Field;
    QCheckBox* Box;
  };
  std::array<TFieldBox, 5> FFields{};
  QCheckBox* FAutoOrganize = nullptr;
};
