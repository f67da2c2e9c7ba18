#include "dialogs/QBGoToTimeForm.h"

#include "dialogs/QBDialogLook.h"
#include "model/QBTimeStamp.h"
#include "view/QBTypedTime.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString RangeText() {
  return qbtime::DateOfDay(qbtime::FirstValidDay).toString(Qt::ISODate) + QStringLiteral(" and ") +
         qbtime::DateOfDay(qbtime::LastValidDay).toString(Qt::ISODate);
}

}  // namespace

TFrmGoToTime::TFrmGoToTime(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmGoToTime"));
  setWindowTitle(QStringLiteral("Go to Time"));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* label = new QLabel(QStringLiteral("&Time stamp:"), frame);
  // A plain text field: the time is typed or pasted as the viewer shows it, and read as a whole on OK
  // (a field of sections would jump past the minutes at a typed ":").
  FTime = new QLineEdit(frame);
  FTime->setObjectName(QStringLiteral("dtpTime"));
  FTime->setAccessibleName(QStringLiteral("Time stamp to go to"));
  FTime->setMinimumWidth(FTime->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00.0000")));
  label->setBuddy(FTime);
  FError = new QLabel(frame);
  FError->setObjectName(QStringLiteral("lblTimeError"));
  FError->setWordWrap(true);
  FError->setStyleSheet(QStringLiteral("color: #c00000"));
  FError->hide();
  connect(FTime, &QLineEdit::textEdited, FError, &QWidget::hide);
  auto* content = new QGridLayout(frame);
  content->addWidget(label, 0, 0);
  content->addWidget(FTime, 0, 1);
  content->addWidget(FError, 1, 0, 1, 2);
  content->setColumnStretch(1, 1);

  qbdialogs::FinishOkCancel(*this, frame);
}

void TFrmGoToTime::SetTimeStamp(const TQBTimeStamp& ts) {
  FValue = ts;
  FTime->setText(qbtime::FormatTimeStamp(ts));
}

void TFrmGoToTime::accept() {
  // A time alone stays on the day the dialog started at.
  TQBTimeStamp read;
  if (!qbtimetext::ReadTimeStamp(FTime->text(), FValue.Date, read)) {
    FError->setText(QStringLiteral("Type a date and time such as 2024-03-04 08:05:13.944 (between %1), or a time "
                                   "alone for the same day.")
                        .arg(RangeText()));
    FError->show();
    FTime->setFocus();
    return;
  }
  FValue = read;
  QDialog::accept();
}

bool TFrmGoToTime::Execute(QWidget* control, TQBTimeStamp& value) {
  TFrmGoToTime dialog(control ? control->window() : nullptr);
  dialog.SetTimeStamp(value);
  qbdialogs::PlaceDialog(dialog, control);
  // The field has the keyboard, all of it selected, so typing or pasting replaces it.
  dialog.FTime->setFocus();
  dialog.FTime->selectAll();
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.TimeStamp();
  return true;
}
