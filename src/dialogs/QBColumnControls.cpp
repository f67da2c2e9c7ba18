#include "dialogs/QBColumnControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T* Named(const QString& caption, const char* name, QWidget* parent) {
  auto* control = new T(caption, parent);
  control->setObjectName(QString::fromLatin1(name));
  QString accessible = caption;
  control->setAccessibleName(accessible.remove(QLatin1Char('&')));
  return control;
}

}  // namespace

TQBColumnControls::TQBColumnControls(TButtons buttons, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlColumns"));
  FCategory = Named<QCheckBox>(QStringLiteral("&Category"), "chkCategory", this);
  FAppName = Named<QCheckBox>(QStringLiteral("&Application Name"), "chkAppName", this);
  FComputerName = Named<QCheckBox>(QStringLiteral("Computer &Name"), "chkComputerName", this);
  FProcessID = Named<QCheckBox>(QStringLiteral("&Process ID"), "chkProcessID", this);
  FThreadName = Named<QCheckBox>(QStringLiteral("Th&read"), "chkThreadName", this);
  FLog = Named<QCheckBox>(QStringLiteral("&Log"), "chkLog", this);
  FDate = Named<QCheckBox>(QStringLiteral("&Date"), "chkDate", this);
  FTime = Named<QCheckBox>(QStringLiteral("&Time"), "chkTime", this);
  FTimeStamp = Named<QRadioButton>(QStringLiteral("Time &Stamp"), "optTimeStamp", this);
  FTimeDiff = Named<QRadioButton>(QStringLiteral("Time Di&fference"), "optTimeDiff", this);
  FTimeOffset = Named<QRadioButton>(QStringLiteral("Time &Offset"), "optTimeOffset", this);
  FAll = Named<QPushButton>(QStringLiteral("All Columns"), "btnAllColumns", this);
  FTextOnly = Named<QPushButton>(QStringLiteral("Message Text Only"), "btnMessageTextOnly", this);
  // The radio buttons exclude each other but may all be off (no time column chosen yet), which an
  // exclusive group cannot show.
  for (QRadioButton* radio : {FTimeStamp, FTimeDiff, FTimeOffset}) {
    radio->setAutoExclusive(false);
    connect(radio, &QRadioButton::clicked, this, [this, radio] {
      for (QRadioButton* other : {FTimeStamp, FTimeDiff, FTimeOffset}) other->setChecked(other == radio);
    });
  }

  auto* left = new QVBoxLayout;
  for (QCheckBox* box : {FCategory, FAppName, FComputerName, FProcessID, FThreadName, FLog}) left->addWidget(box);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(FDate);
  right->addWidget(FTime);
  for (QRadioButton* radio : {FTimeStamp, FTimeDiff, FTimeOffset}) {
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(radio);
    right->addLayout(indented);
  }
  right->addStretch(1);
  auto* boxes = new QHBoxLayout;
  boxes->addLayout(left);
  boxes->addLayout(right);
  if (buttons == TButtons::Below) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boxes);
    auto* row = new QHBoxLayout;
    row->addWidget(FAll);
    row->addWidget(FTextOnly);
    row->addStretch(1);
    layout->addLayout(row);
  } else {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boxes, 1);
    auto* column = new QVBoxLayout;
    column->addWidget(FAll);
    column->addWidget(FTextOnly);
    column->addStretch(1);
    layout->addLayout(column);
  }

  connect(FTime, &QCheckBox::clicked, this, &TQBColumnControls::TimeClicked);
  connect(FAll, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(FTextOnly, &QPushButton::clicked, this, [this] { SetAll(false); });
  Load(0);
}

QCheckBox* TQBColumnControls::Box(TQBColumnSet flag) const {
  switch (flag) {
    case colCategory: return FCategory;
    case colAppName: return FAppName;
    case colComputerName: return FComputerName;
    case colProcessID: return FProcessID;
    case colThreadName: return FThreadName;
    case colDate: return FDate;
    case colLog: return FLog;
    default: return nullptr;
  }
}

QRadioButton* TQBColumnControls::Radio(TQBColumnSet timeFlag) const {
  return timeFlag == colTimeStamp ? FTimeStamp : timeFlag == colTimeDiff ? FTimeDiff : timeFlag == colTimeOffset ? FTimeOffset : nullptr;
}

void TQBColumnControls::Load(TQBColumnSet columns) { Show(TQBColumnChoice::Of(columns)); }

TQBColumnChoice TQBColumnControls::Choice() const {
  TQBColumnChoice c;
  c.Category = FCategory->isChecked();
  c.AppName = FAppName->isChecked();
  c.ComputerName = FComputerName->isChecked();
  c.ProcessID = FProcessID->isChecked();
  c.ThreadName = FThreadName->isChecked();
  c.Log = FLog->isChecked();
  c.Date = FDate->isChecked();
  c.Time = FTime->isChecked();
  for (TQBColumnSet flag : {colTimeStamp, colTimeDiff, colTimeOffset})
    if (Radio(flag)->isChecked()) c.TimeKind = flag;
  return c;
}

void TQBColumnControls::Show(const TQBColumnChoice& c) {
  FCategory->setChecked(c.Category);
  FAppName->setChecked(c.AppName);
  FComputerName->setChecked(c.ComputerName);
  FProcessID->setChecked(c.ProcessID);
  FThreadName->setChecked(c.ThreadName);
  FLog->setChecked(c.Log);
  FDate->setChecked(c.Date);
  FTime->setChecked(c.Time);
  for (TQBColumnSet flag : {colTimeStamp, colTimeDiff, colTimeOffset}) {
    Radio(flag)->setChecked(c.TimeKind == flag);
    Radio(flag)->setEnabled(c.TimeKindEnabled());
  }
}

void TQBColumnControls::TimeClicked(bool on) {
  TQBColumnChoice c = Choice();
  c.SetTime(on);
  Show(c);
}

void TQBColumnControls::SetAll(bool on) {
  TQBColumnChoice c = Choice();
  c.SetAll(on);
  Show(c);
}
