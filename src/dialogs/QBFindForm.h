#pragma once
// The find dialog: the text to find, with the history of searched texts in its drop-down list, the
// direction, the origin, whether message details are searched too, and the options Match case and
// Regular expression. An expression that does not compile, or a text longer than a search takes, keeps
// the dialog open with the reason shown.

#include "settings/QBFindHistory.h"
#include "view/QBViewSearch.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
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
  QCheckBox* MatchCase() const { return FMatchCase; }
  QCheckBox* RegularExpression() const { return FRegularExpression; }
  // Why OK refused the last text (an expression that does not compile, a text too long); hidden while
  // there is none.
  QLabel* ExpressionError() const { return FExpressionError; }

  // Puts the caller's values into the controls; the history's first item stays selected in the list.
  void Load(const TQBFindRequest& request);
  TQBFindRequest Request() const;

  // OK: an expression that does not compile or a text too long is reported in the dialog, which stays
  // open; otherwise the history takes the text and is saved, then the dialog closes.
  void accept() override;

  // Shows the dialog over the view with the history of settings (none: the dialog keeps no history);
  // true with the new values when confirmed.
  static bool Execute(QWidget* view, TQBIniFile* settings, TQBFindRequest& request);

private:
  // False, with the reason shown and the cursor put where the text went wrong, for a bad expression or
  // a text too long.
  bool CheckText();

  TQBFindHistory& FHistory;
  std::function<void(const TQBFindHistory&)> FSave;
  QComboBox* FFindText = nullptr;
  QRadioButton* FForward = nullptr;
  QRadioButton* FBackward = nullptr;
  QRadioButton* FFromCursor = nullptr;
  QRadioButton* FEntireScope = nullptr;
  QCheckBox* FInDetails = nullptr;
  QCheckBox* FMatchCase = nullptr;
  QCheckBox* FRegularExpression = nullptr;
  QLabel* FExpressionError = nullptr;
};
