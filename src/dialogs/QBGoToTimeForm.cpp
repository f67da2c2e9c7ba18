#include "dialogs/QBGoToTimeForm.h"

#include "dialogs/QBDialogLook.h"
#include "model/QBTimeStamp.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmGoToTime::TFrmGoToTime(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmGoToTime"));
  setWindowTitle(QStringLiteral("Go to Time"));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* label = new QLabel(QStringLiteral("&Time stamp:"), frame);
  FTime = new QDateTimeEdit(frame);
  FTime->setObjectName(QStringLiteral("dtpTime"));
  FTime->setAccessibleName(QStringLiteral("Time stamp to go to"));
  // The writer's clock, without a time zone: no daylight-saving gap can move what was typed.
  FTime->setTimeSpec(Qt::UTC);
  FTime->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  FTime->setCalendarPopup(true);
  // The dates a log may hold.
  FTime->setDateTimeRange(qbtime::DateTimeOf({0, qbtime::FirstValidDay}),
                          qbtime::DateTimeOf({qbtime::MsPerDay - 1, qbtime::LastValidDay}));
  label->setBuddy(FTime);
  auto* content = new QHBoxLayout(frame);
  content->addWidget(label);
  content->addWidget(FTime, 1);

  qbdialogs::FinishOkCancel(*this, frame);
}

void TFrmGoToTime::SetTimeStamp(const TQBTimeStamp& ts) { FTime->setDateTime(qbtime::DateTimeOf(ts)); }

TQBTimeStamp TFrmGoToTime::TimeStamp() const { return qbtime::TimeStampOf(FTime->dateTime()); }

bool TFrmGoToTime::Execute(QWidget* control, TQBTimeStamp& value) {
  TFrmGoToTime dialog(control ? control->window() : nullptr);
  dialog.SetTimeStamp(value);
  qbdialogs::PlaceDialog(dialog, control);
  // The time field has the keyboard, on its most precise part the user is likely to change first.
  dialog.FTime->setFocus();
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.TimeStamp();
  return true;
}
