#pragma once
// The Go to Time dialog: a date and a time of day to the millisecond, as the log's time stamps hold
// them, starting at the value the caller hands in.

#include <quillbox/QuillboxTypes.h>

#include <QDialog>

class QDateTimeEdit;

class TFrmGoToTime : public QDialog {
  Q_OBJECT
public:
  explicit TFrmGoToTime(QWidget* parent = nullptr);

  QDateTimeEdit* TimeEdit() const { return FTime; }
  void SetTimeStamp(const TQBTimeStamp& ts);
  TQBTimeStamp TimeStamp() const;

  // Shows the dialog centred over control, starting at value; true with the chosen time on OK.
  static bool Execute(QWidget* control, TQBTimeStamp& value);

private:
  QDateTimeEdit* FTime = nullptr;
};
