#pragma once
// The navigation message dialog: the automatic mode and one of forty message kinds, chosen from an
// exclusive grid of type buttons.

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QToolButton;

class TFrmSelectNavMsg : public QDialog {
  Q_OBJECT
public:
  explicit TFrmSelectNavMsg(QWidget* parent = nullptr);

  QCheckBox* AutomaticBox() const { return FAutomatic; }
  // The button of a code; null for codes without one (a code of 100 or more has the Custom button).
  QToolButton* ButtonOf(int32_t code) const;

  // Presses the button of kind (none for a kind without one) and sets the box.
  void Load(bool automatic, int32_t kind);
  bool Automatic() const;
  // The pressed button's code; 0 (Info) when none is pressed.
  int32_t Kind() const;

  // Shows the dialog over the main window; true with both values when confirmed.
  static bool Execute(QWidget* mainWindow, bool& automatic, int32_t& kind);

private:
  QCheckBox* FAutomatic = nullptr;
  QButtonGroup* FGroup = nullptr;
};
