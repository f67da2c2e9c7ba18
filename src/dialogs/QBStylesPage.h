#pragma once
// The "Colors && Styles" page of the options dialog: the style editor on the dialog's copy of the
// style table. A message type from the fixed list, "Use Default", the colour and the four style boxes
// of its entry, and a preview in the message font. With "Use Default" ticked the colour and style
// controls are greyed out; the entry keeps its colour and style for when it is unticked again.

#include "settings/QBOptionsValues.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class TQBColorPicker;

class TQBStylesPage : public QWidget {
  Q_OBJECT
public:
  TQBStylesPage(TQBOptionsValues& values, QWidget* parent);

  // Shows the chosen entry again (after a change of the message font, or new values).
  void Refresh();
  // The type code of the chosen list entry.
  int32_t ChosenType() const;

  QComboBox* MsgType() const { return FMsgType; }
  QCheckBox* UseDefault() const { return FUseDefault; }
  TQBColorPicker* Color() const { return FColor; }
  // Style box of a style bit (8 bold, 4 italic, 2 underline, 1 strike-out).
  QCheckBox* StyleBox(int32_t bit) const;
  QLabel* Preview() const { return FPreview; }

private:
  TQBTypeStyle& Entry();
  void ShowPreview();
  void UseDefaultClicked(bool on);
  void StyleClicked(int32_t bit, bool on);

  TQBOptionsValues& FValues;
  QComboBox* FMsgType = nullptr;
  QCheckBox* FUseDefault = nullptr;
  TQBColorPicker* FColor = nullptr;
  QCheckBox* FBold = nullptr;
  QCheckBox* FItalic = nullptr;
  QCheckBox* FUnderline = nullptr;
  QCheckBox* FStrikeout = nullptr;
  QLabel* FPreview = nullptr;
};
