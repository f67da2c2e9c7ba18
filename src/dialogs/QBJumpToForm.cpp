#include "dialogs/QBJumpToForm.h"

#include "dialogs/QBDialogLook.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

TFrmJumpToMsg::TFrmJumpToMsg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmJumpToMsg"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* label = new QLabel(QStringLiteral("Jump to message #"), frame);
  FJumpTo = new QComboBox(frame);
  FJumpTo->setObjectName(QStringLiteral("cbxJumpTo"));
  FJumpTo->setEditable(true);
  FJumpTo->setInsertPolicy(QComboBox::NoInsert);
  FJumpTo->setAccessibleName(QStringLiteral("Jump to message number"));
  // Keys reach the combo box, the line edit's focus proxy, which hands them to the line edit without
  // its filters; text an input method commits goes the same way. Both are filtered where they arrive.
  FJumpTo->installEventFilter(this);
  FJumpTo->lineEdit()->installEventFilter(this);
  connect(this, &TFrmJumpToMsg::CharacterRefused, this, [] { QApplication::beep(); });
  label->setBuddy(FJumpTo);
  auto* content = new QHBoxLayout(frame);
  content->addWidget(label);
  content->addWidget(FJumpTo, 1);

  qbdialogs::FinishOkCancel(*this, frame);
}

bool TFrmJumpToMsg::AcceptsChar(QChar ch) {
  return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || (ch.unicode() < 32 && ch != QLatin1Char('\r'));
}

bool TFrmJumpToMsg::RowOfText(const QString& text, int& row) {
  bool ok = false;
  const int n = text.toInt(&ok, 10);
  if (!ok) return false;
  row = n == INT_MIN ? INT_MIN : n - 1;
  return true;
}

bool TFrmJumpToMsg::eventFilter(QObject* watched, QEvent* event) {
  QString text;
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Enter confirms the dialog; it is the default button's key, not a character for the field.
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      accept();
      return true;
    }
    text = key->text();
  } else if (event->type() == QEvent::InputMethod) {
    text = static_cast<QInputMethodEvent*>(event)->commitString();
  } else {
    return QDialog::eventFilter(watched, event);
  }
  if (std::all_of(text.cbegin(), text.cend(), AcceptsChar)) return false;
  emit CharacterRefused();
  return true;
}

bool TFrmJumpToMsg::Execute(QWidget* control, int& row) {
  TFrmJumpToMsg dialog(control ? control->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  return RowOfText(dialog.FJumpTo->currentText(), row);
}
