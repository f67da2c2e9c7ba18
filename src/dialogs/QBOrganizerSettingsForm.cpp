#include "dialogs/QBOrganizerSettingsForm.h"

#include "dialogs/QBDialogLook.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The field boxes: object name, caption and place in the group's two rows.
struct TFieldBoxInfo {
  TQBOrganizeField Field;
  const char* Name;
  const char* Caption;
  int Row;
  int Column;
};
constexpr TFieldBoxInfo FieldBoxes[] = {
    {orgAppName, "chkAppName", "&Application Name", 0, 0},
    {orgProcessID, "chkProcessID", "&Process ID", 0, 1},
    {orgComputerName, "chkComputerName", "Computer &Name", 0, 2},
    {orgCategory, "chkCategory", "&Category", 1, 0},
    {orgThreadName, "chkThreadName", "&Thread", 1, 1},
};

}  // namespace

TFrmOrganizerSettings::TFrmOrganizerSettings(TQBOrganizerForm form, QWidget* parent) : QDialog(parent) {
  const bool settings = form == TQBOrganizerForm::Settings;
  setObjectName(QStringLiteral("FrmOrganizerSettings"));
  setWindowTitle(settings ? QStringLiteral("Message Organizer Settings") : QStringLiteral("Organize Messages"));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* instruction = new QLabel(
      settings ? QStringLiteral("The Quillbox Message Organizer automatically creates new views whenever an "
                                "incoming message contains a new value for the selected fields below.")
               : QStringLiteral("The Quillbox Message Organizer will now scan the message list and create new "
                                "views based on the criteria specified below."),
      frame);
  instruction->setObjectName(QStringLiteral("lblInstructions"));
  instruction->setWordWrap(true);
  auto* group = new QGroupBox(QStringLiteral("Organize by"), frame);
  group->setObjectName(QStringLiteral("grpOrganizeBy"));
  auto* grid = new QGridLayout(group);
  for (size_t i = 0; i < std::size(FieldBoxes); ++i) {
    const TFieldBoxInfo& info = FieldBoxes[i];
    auto* box = new QCheckBox(QString::fromLatin1(info.Caption), group);
    box->setObjectName(QString::fromLatin1(info.Name));
    box->setAccessibleName(QString(QString::fromLatin1(info.Caption)).remove(QLatin1Char('&')));
    grid->addWidget(box, info.Row, info.Column);
    connect(box, &QCheckBox::clicked, this, &TFrmOrganizerSettings::SyncAutoOrganizeBox);
    FFields[i] = {info.Field, box};
  }
  FAutoOrganize = new QCheckBox(QStringLiteral("Auto-&Organize"), frame);
  FAutoOrganize->setObjectName(QStringLiteral("chkAutoOrganize"));
  FAutoOrganize->setAccessibleName(QStringLiteral("Auto-Organize"));
  FAutoOrganize->setVisible(settings);
  auto* content = new QVBoxLayout(frame);
  content->addWidget(instruction);
  content->addWidget(group);
  content->addWidget(FAutoOrganize);

  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TFrmOrganizerSettings::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::ButtonRow({ok, cancel}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SyncAutoOrganizeBox();
}

void TFrmOrganizerSettings::Load(uint8_t fields, bool autoOrganize) {
  for (const TFieldBox& f : FFields) f.Box->setChecked((fields & f.Field) != 0);
  FAutoOrganize->setChecked(autoOrganize);
  SyncAutoOrganizeBox();
}

uint8_t TFrmOrganizerSettings::Fields() const {
  uint8_t fields = 0;
  for (const TFieldBox& f : FFields)
    if (f.Box->isChecked()) fields |= f.Field;
  return fields;
}

bool TFrmOrganizerSettings::AutoOrganize() const { return FAutoOrganize->isChecked(); }

void TFrmOrganizerSettings::SyncAutoOrganizeBox() { FAutoOrganize->setEnabled(Fields() != 0); }

void TFrmOrganizerSettings::Confirm() {
  // Organizing automatically by no field at all would do nothing.
  if (Fields() == 0) FAutoOrganize->setChecked(false);
  accept();
}

bool TFrmOrganizerSettings::Execute(QWidget* control, TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) {
  TFrmOrganizerSettings dialog(form, control ? control->window() : nullptr);
  dialog.Load(fields, autoOrganize);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  fields = dialog.Fields();
  autoOrganize = dialog.AutoOrganize();
  return true;
}
