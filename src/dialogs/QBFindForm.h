#pragma once
// The find dialog: the text to find, with the history of searched texts in its drop-down list, the
// direction, the origin and whether message details are searched too.

#include "shell/QBFindHistory.h"
#include "view/QBViewSearch.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QRadioButton;
class TQBIniFile;

class TFrmFind : public QDialog {
  Q_OBJECT
public:
  // history: the loaded history, which OK updates; save: writes it where it lives (may be empty).
  TFrmFind(TQBFindHistory& history, std::function<void(const TQBFindHistory&)> save, QWidget* parent = nullptr);

  QComboBox* FindText() const { return FFindText; }
  QRadioButton* Forward() const { return FForward; }
  QRadioButton* Backward() const { return FBackward; }
  QRadioButton* FromCursor() const { return FFromCursor; }
  QRadioButton* EntireScope() const { return FEntireScope; }
  QCheckBox* InDetails() const { return FInDetails; }

  // Puts the caller's values into the controls; the history's first item stays selected in the list.
  void Load(const TQBFindRequest& request);
  TQBFindRequest Request() const;

  // OK: the history takes the text and is saved, then the dialog closes.
  void accept() override;

  // Shows the dialog over the view with the history of settings (none: the dialog keeps no history);
  // true with the new values when confirmed.
  static bool Execute(QWidget* view, TQBIniFile* settings, TQBFindRequest& request);

private:
  TQBFindHistory& FHistory;
  std::function<void(const TQBFindHistory&)> FSave;
  QComboBox* FFindText = nullptr;
  QRadioButton* FForward = nullptr;
  QRadioButton* FBackward = nullptr;
  QRadioButton* FFromCursor = nullptr;
  QRadioButton* FEntireScope = nullptr;
  QCheckBox* FInDetails = nullptr;
};
