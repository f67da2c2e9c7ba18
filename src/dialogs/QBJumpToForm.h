#pragma once
// The jump-to dialog: asks for a message number and hands back the row index to select.

#include <QDialog>
#include <QString>

class QComboBox;

class TFrmJumpToMsg : public QDialog {
  Q_OBJECT
public:
  explicit TFrmJumpToMsg(QWidget* parent = nullptr);

  QComboBox* JumpTo() const { return FJumpTo; }
  // The row for the typed number N (N - 1); false when the text is no decimal integer.
  static bool RowOfText(const QString& text, int& row);
  // Whether a typed character may enter the field: digits and control characters other than CR.
  static bool AcceptsChar(QChar ch);

  // Shows the dialog centred over control; true with the row when confirmed with a number.
  static bool Execute(QWidget* control, int& row);

signals:
  // A typed character was discarded (the dialog beeps).
  void CharacterRefused();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QComboBox* FJumpTo = nullptr;
};
