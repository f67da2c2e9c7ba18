#pragma once
// The "Fonts" page of the options dialog: the font kind (message, inspector, inspector fixed), its
// name from the installed fonts (each drawn in its own face; fixed-pitch ones only for the fixed
// font), its colour and size, and a preview. Every change goes at once into the dialog's copy of the
// font; a change of the message font also goes into style entry 0.

#include "settings/QBOptionsValues.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;
class TQBColorPicker;

class TQBFontsPage : public QWidget {
  Q_OBJECT
public:
  TQBFontsPage(TQBOptionsValues& values, QWidget* parent);

  // Shows the values' fonts again, starting with the message font.
  void Reload();

  QComboBox* FontType() const { return FFontType; }
  QFontComboBox* FontName() const { return FFontName; }
  TQBColorPicker* FontColor() const { return FFontColor; }
  QSpinBox* FontSize() const { return FFontSize; }
  QLabel* Preview() const { return FPreview; }

signals:
  // The message font changed; the styles page shows entry 0 anew.
  void MessageFontChanged();

private:
  TQBFontKind Kind() const;
  TQBFontSettings& Current();
  // The three fields and the preview from the chosen font.
  void ShowFont();
  void ShowPreview();
  // A field was changed by the user: change applies it to the chosen font.
  void Edited(const std::function<void(TQBFontSettings&)>& change);

  TQBOptionsValues& FValues;
  QComboBox* FFontType = nullptr;
  QFontComboBox* FFontName = nullptr;
  TQBColorPicker* FFontColor = nullptr;
  QSpinBox* FFontSize = nullptr;
  QLabel* FPreview = nullptr;
  bool FShowing = false;  // the fields are being filled, not edited
};
