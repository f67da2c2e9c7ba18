#pragma once
// The threshold of time-difference navigation: a gap counts when it is larger than this many
// milliseconds (1000 to 60000, in steps of 500).

#include <QDialog>

#include <cstdint>

class QSpinBox;

class TFrmTimeDiffNav : public QDialog {
  Q_OBJECT
public:
  static constexpr int32_t Minimum = 1000, Maximum = 60000, Step = 500, PageStep = 1000;

  explicit TFrmTimeDiffNav(int32_t threshold, QWidget* parent = nullptr);
  QSpinBox* Field() const { return FField; }
  // The field's text as a threshold (below the minimum it is the minimum); false when it is no number.
  bool ReadThreshold(int32_t& threshold) const;

  // OK keeps the typed text: hiding the field would let the toolkit correct it.
  void accept() override;

  // Shows the dialog over control; true with the new threshold when closed with OK and a number.
  static bool Execute(QWidget* control, int32_t& threshold);

private:
  QSpinBox* FField = nullptr;
  QString FAcceptedText;
  bool FAccepted = false;
};
