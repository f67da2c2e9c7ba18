#include "dialogs/QBSelectNavMsgForm.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBTypeButtons.h"
#include "view/widgets/QBIconLists.h"

#include "model/QBMessageTypes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The eighth column stands a little apart from the other seven.
constexpr int kApartColumn = 7;
constexpr int kApartGap = 8;

QToolButton* NewTypeButton(const TQBTypeButton& b, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QStringLiteral("btn") + QLatin1String(b.Name));
  const QString hint = QString::fromLatin1(b.Hint);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  button->setIcon(qbicons::MessageIcons().value(qbtypes::IconIndex(b.Code)));
  button->setIconSize(qbicons::IconSize);
  button->setCheckable(true);
  button->setAutoRaise(true);
  button->setFixedSize(26, 22);
  return button;
}

}  // namespace

TFrmSelectNavMsg::TFrmSelectNavMsg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmSelectNavMsg"));
  setWindowTitle(QStringLiteral("Select Navigation Message"));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  FAutomatic = new QCheckBox(QStringLiteral("Automatic Mode"), frame);
  FAutomatic->setObjectName(QStringLiteral("chkAutomatic"));
  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  grid->setColumnMinimumWidth(kApartColumn, kApartGap);
  // One group: pressing a button raises the others, and a pressed button stays down when clicked.
  FGroup = new QButtonGroup(this);
  FGroup->setExclusive(true);
  for (const TQBTypeButton& b : qbtypebuttons::Buttons()) {
    QToolButton* button = NewTypeButton(b, frame);
    FGroup->addButton(button, b.Code);
    grid->addWidget(button, b.Row, b.Column < kApartColumn ? b.Column : b.Column + 1);
  }
  auto* content = new QVBoxLayout(frame);
  content->addWidget(FAutomatic);
  content->addLayout(grid);

  qbdialogs::FinishOkCancel(*this, frame);
}

QToolButton* TFrmSelectNavMsg::ButtonOf(int32_t code) const {
  return qobject_cast<QToolButton*>(FGroup->button(code >= qbmFirstCustom ? qbmFirstCustom : code));
}

void TFrmSelectNavMsg::Load(bool automatic, int32_t kind) {
  FAutomatic->setChecked(automatic);
  // An exclusive group keeps one button down; raising them all needs it off for a moment.
  FGroup->setExclusive(false);
  for (QAbstractButton* button : FGroup->buttons()) button->setChecked(false);
  FGroup->setExclusive(true);
  if (QToolButton* button = ButtonOf(kind)) button->setChecked(true);
}

bool TFrmSelectNavMsg::Automatic() const { return FAutomatic->isChecked(); }

int32_t TFrmSelectNavMsg::Kind() const {
  const int id = FGroup->checkedId();
  return id == -1 ? qbmInfo : id;
}

bool TFrmSelectNavMsg::Execute(QWidget* mainWindow, bool& automatic, int32_t& kind) {
  TFrmSelectNavMsg dialog(mainWindow ? mainWindow->window() : nullptr);
  dialog.Load(automatic, kind);
  qbdialogs::PlaceDialog(dialog, mainWindow);
  if (dialog.exec() != QDialog::Accepted) return false;
  automatic = dialog.Automatic();
  kind = dialog.Kind();
  return true;
}
