#pragma once
// The Go to Time dialog: a date and a time of day to the millisecond, as the log's time stamps hold
// them, starting at the value the caller hands in. The field takes the text a person types or pastes
// (the forms view/QBTypedTime reads); OK with a text it cannot read keeps the dialog open and says
// what it wants.

#include <quillbox/QuillboxTypes.h>

#include <QDialog>

class QLabel;
class QLineEdit;

class TFrmGoToTime : public QDialog {
  Q_OBJECT
public:
  explicit TFrmGoToTime(QWidget* parent = nullptr);

  QLineEdit* TimeEdit() const { return FTime; }
  void SetTimeStamp(const TQBTimeStamp& ts);
  // The time stamp read when the dialog was confirmed.
  TQBTimeStamp TimeStamp() const { return FValue; }

  // Shows the dialog centred over control, starting at value; true with the chosen time on OK.
  static bool Execute(QWidget* control, TQBTimeStamp& value);

  void accept() override;

private:
  QLineEdit* FTime = nullptr;
  QLabel* FError = nullptr;
  TQBTimeStamp FValue;  // the value it started at, then the one confirmed
};
