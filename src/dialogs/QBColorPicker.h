#pragma once
// The colour picker of the options dialog: a drop-down list of colour swatches with a "Default" entry
// (the setting's default value), the basic colours, optionally the system colours, and "Custom..."
// which opens the toolkit's colour chooser. Values are the program's 32-bit colours.

#include <QComboBox>

#include <cstdint>
#include <functional>

class TQBColorPicker : public QComboBox {
  Q_OBJECT
public:
  TQBColorPicker(int32_t defaultValue, bool systemColors, QWidget* parent);

  int32_t Color() const { return FColor; }
  // Shows value, adding it to the list when it is none of the entries.
  void SetColor(int32_t value);
  int32_t DefaultColor() const { return FDefault; }

  // The chooser behind "Custom...": returns false when cancelled. Tests replace it.
  using TChooser = std::function<bool(QWidget* parent, int32_t& color)>;
  static void SetChooser(TChooser chooser);

signals:
  // The user chose a colour.
  void ColorChanged(int32_t value);

private:
  void AddEntry(const QString& name, int32_t value);
  void Chosen(int index);
  int IndexOf(int32_t value) const;

  int32_t FDefault;
  int32_t FColor;
  int FCustomIndex = -1;  // the entry of a value that is none of the named ones
};
