#include "dialogs/QBTimeDiffNavForm.h"

#include "dialogs/QBDialogLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A spin field whose Page Up and Page Down keys step by the page step, not by ten arrow steps, and
// whose typed text stays as typed until OK reads it: the toolkit would otherwise replace a value below
// the range, or an empty field, with a value of its own when the focus leaves or Enter is pressed.
class TPagedSpinBox final : public QSpinBox {
public:
  using QSpinBox::QSpinBox;

protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        stepBy((event->key() == Qt::Key_PageUp ? 1 : -1) * TFrmTimeDiffNav::PageStep / singleStep());
        event->accept();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        event->ignore();  // the dialog's default button
        return;
      default:
        QSpinBox::keyPressEvent(event);
    }
  }
  void focusOutEvent(QFocusEvent* event) override {
    const QString typed = lineEdit()->text();
    QSpinBox::focusOutEvent(event);
    if (lineEdit()->text() != typed) lineEdit()->setText(typed);
  }
};

}  // namespace

TFrmTimeDiffNav::TFrmTimeDiffNav(int32_t threshold, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmTimeDiffNav"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* label = new QLabel(QStringLiteral("Time Difference Threshold"), frame);
  FField = new TPagedSpinBox(frame);
  FField->setObjectName(QStringLiteral("edtThreshold"));
  FField->setAccessibleName(QStringLiteral("Time Difference Threshold in milliseconds"));
  FField->setRange(Minimum, Maximum);
  FField->setSingleStep(Step);
  FField->setKeyboardTracking(false);
  FField->setValue(threshold);
  label->setBuddy(FField);
  auto* unit = new QLabel(QStringLiteral("ms"), frame);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(label);
  row->addWidget(FField, 1);
  row->addWidget(unit);

  qbdialogs::FinishOkCancel(*this, frame);
}

void TFrmTimeDiffNav::accept() {
  FAcceptedText = FField->text();
  FAccepted = true;
  QDialog::accept();
}

bool TFrmTimeDiffNav::ReadThreshold(int32_t& threshold) const {
  bool ok = false;
  // The typed text, not the field's value: a value below the range is still in the text.
  const int value = (FAccepted ? FAcceptedText : FField->text()).trimmed().toInt(&ok);
  if (!ok) return false;
  threshold = std::max(value, Minimum);
  return true;
}

bool TFrmTimeDiffNav::Execute(QWidget* control, int32_t& threshold) {
  TFrmTimeDiffNav dialog(threshold, control ? control->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  return dialog.ReadThreshold(threshold);
}
