#include "dialogs/QBViewFilterForm.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBMessageDialogs.h"
#include "model/QBMessageTypes.h"
#include "view/widgets/QBIconLists.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using qbviewfilter::TCriterion;
using qbviewfilter::TQBFilterForm;

namespace {

// The hourglass while the value lists are gathered, restored also when an error escapes.
class TWaitCursor {
public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

QComboBox* NewValueList(const char* name, const char* accessibleName, const QStringList& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  box->setCurrentIndex(-1);
  box->setEditText(QString());
  box->setAccessibleName(QString::fromLatin1(accessibleName));
  box->setEnabled(false);
  return box;
}

QString ComboText(const QComboBox* box) { return box->currentText(); }

}  // namespace

TFrmViewFilter::TFrmViewFilter(const TQuillboxMessageSet& set, const QStringList& viewClassNames, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("FrmViewFilter"));
  setWindowTitle(QStringLiteral("View Filter"));
  qbdialogs::ApplyDialogLook(*this);

  qbviewfilter::TQBValueLists lists;
  {
    TWaitCursor wait;
    lists = qbviewfilter::CollectValueLists(set);
  }
  QWidget* nameRow = BuildNameRow();
  FViewType->addItems(viewClassNames);
  if (!viewClassNames.isEmpty()) FViewType->setCurrentIndex(0);
  BuildDetails(lists);

  FOK = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  QPushButton* help = qbdialogs::NewButton(QStringLiteral("&Help"), QStringLiteral("btnHelp"), this);
  FOK->setDefault(true);
  FOK->setEnabled(false);
  connect(FOK, &QPushButton::clicked, this, &TFrmViewFilter::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(FHelpTopic); });

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* content = new QVBoxLayout(frame);
  content->addWidget(nameRow);
  content->addWidget(FDetails);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::ButtonRow({FOK, cancel, help}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TFrmViewFilter::BuildNameRow() {
  auto* row = new QWidget(this);
  auto* label = new QLabel(QStringLiteral("&View Name"), row);
  label->setObjectName(QStringLiteral("lblViewName"));
  FViewName = new QLineEdit(row);
  FViewName->setObjectName(QStringLiteral("edtViewName"));
  FViewName->setAccessibleName(QStringLiteral("View Name"));
  label->setBuddy(FViewName);
  FAutoName = new QCheckBox(QStringLiteral("Aut&o Name"), row);
  FAutoName->setObjectName(QStringLiteral("chkAutoName"));
  // The view type selector exists for the class name of a new view but is never shown.
  auto* typeLabel = new QLabel(QStringLiteral("&View Type"), row);
  typeLabel->setObjectName(QStringLiteral("lblViewType"));
  typeLabel->setVisible(false);
  FViewType = new QComboBox(row);
  FViewType->setObjectName(QStringLiteral("cbxViewType"));
  FViewType->setAccessibleName(QStringLiteral("View Type"));
  FViewType->setVisible(false);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(FViewName, 1);
  layout->addWidget(FAutoName);
  connect(FAutoName, &QCheckBox::toggled, this, &TFrmViewFilter::AutoNameToggled);
  // Typing a name of one's own ends the automatic name; a name set by the program does not.
  connect(FViewName, &QLineEdit::textEdited, this, [this] {
    if (FViewName->hasFocus()) FAutoName->setChecked(false);
  });
  connect(FViewName, &QLineEdit::textChanged, this, [this](const QString& text) { FOK->setEnabled(!text.isEmpty()); });
  return row;
}

QGroupBox* TFrmViewFilter::BuildDetails(const qbviewfilter::TQBValueLists& lists) {
  FDetails = new QGroupBox(QStringLiteral("Filter Details"), this);
  FDetails->setObjectName(QStringLiteral("grpDetails"));
  auto* left = new QWidget(FDetails);
  auto* grid = new QGridLayout(left);
  grid->setContentsMargins(0, 0, 0, 0);
  FAppName = NewValueList("cbxAppName", "Application Name value", lists.AppNames, left);
  FCategory = NewValueList("cbxCategory", "Category value", lists.Categories, left);
  FComputerName = NewValueList("cbxComputerName", "Computer Name value", lists.ComputerNames, left);
  FProcessID = NewValueList("cbxProcessID", "Process ID value", lists.ProcessIDs, left);
  FThreadName = NewValueList("cbxThreadName", "Thread value", lists.ThreadNames, left);
  FMessageText = new QLineEdit(left);
  FMessageText->setObjectName(QStringLiteral("edtMessageText"));
  FMessageText->setAccessibleName(QStringLiteral("Message Text value"));
  FMessageText->setEnabled(false);
  const struct {
    TCriterion Criterion;
    const char* Name;
    const char* Caption;
    QWidget* Field;
  } rows[] = {
      {TCriterion::AppName, "chkAppName", "&Application Name", FAppName},
      {TCriterion::Category, "chkCategory", "&Category", FCategory},
      {TCriterion::ComputerName, "chkComputerName", "Computer &Name", FComputerName},
      {TCriterion::ProcessID, "chkProcessID", "&Process ID", FProcessID},
      {TCriterion::ThreadName, "chkThreadName", "&Thread", FThreadName},
      {TCriterion::MessageText, "chkMessageText", "Message Te&xt", FMessageText},
      {TCriterion::TimeRange, "chkTimeRange", "Time Ran&ge", BuildTimeRange(left)},
  };
  for (const auto& r : rows) {
    QCheckBox* check = AddValueCriterion(r.Criterion, r.Name, r.Caption, r.Field);
    grid->addWidget(check, FCriterionCount - 1, 0);
    grid->addWidget(r.Field, FCriterionCount - 1, 1);
  }
  for (QComboBox* box : {FAppName, FCategory, FComputerName, FProcessID, FThreadName})
    connect(box, &QComboBox::editTextChanged, this, &TFrmViewFilter::UpdateAutoName);
  for (QLineEdit* edit : {FMessageText, FTimeFrom, FTimeTo})
    connect(edit, &QLineEdit::textChanged, this, &TFrmViewFilter::UpdateAutoName);
  auto* noFilter = new QPushButton(QStringLiteral("No Filter"), left);
  noFilter->setObjectName(QStringLiteral("btnNoFilter"));
  connect(noFilter, &QPushButton::clicked, this, &TFrmViewFilter::NoFilter);
  grid->addWidget(noFilter, FCriterionCount, 0, 1, 2, Qt::AlignLeft);
  grid->setColumnMinimumWidth(1, 180);

  auto* separator = new QFrame(FDetails);
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);

  auto* right = new QWidget(FDetails);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  FMsgType = new QCheckBox(QStringLiteral("&Message Type"), right);
  FMsgType->setObjectName(QStringLiteral("chkMsgType"));
  connect(FMsgType, &QCheckBox::toggled, this, &TFrmViewFilter::MsgTypeToggled);
  FSelectAll = new QPushButton(QStringLiteral("&Select All"), right);
  FSelectAll->setObjectName(QStringLiteral("btnSelectAll"));
  FUnselectAll = new QPushButton(QStringLiteral("&Unselect All"), right);
  FUnselectAll->setObjectName(QStringLiteral("btnUnselectAll"));
  for (QPushButton* b : {FSelectAll, FUnselectAll}) b->setEnabled(false);
  connect(FSelectAll, &QPushButton::clicked, this, [this] { SetAllTypes(true); });
  connect(FUnselectAll, &QPushButton::clicked, this, [this] { SetAllTypes(false); });
  auto* selectRow = new QHBoxLayout;
  selectRow->addWidget(FSelectAll);
  selectRow->addWidget(FUnselectAll);
  selectRow->addStretch(1);
  rightLayout->addWidget(FMsgType);
  rightLayout->addWidget(BuildTypeGrid(right));
  rightLayout->addLayout(selectRow);
  rightLayout->addStretch(1);

  auto* layout = new QHBoxLayout(FDetails);
  layout->addWidget(left);
  layout->addWidget(separator);
  layout->addWidget(right);
  return FDetails;
}

QWidget* TFrmViewFilter::BuildTimeRange(QWidget* parent) {
  FTimeRange = new QWidget(parent);
  FTimeRange->setObjectName(QStringLiteral("pnlTimeRange"));
  FTimeRange->setEnabled(false);
  const auto newEnd = [this](const char* name, const char* accessibleName) {
    auto* edit = new QLineEdit(FTimeRange);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromLatin1(accessibleName));
    edit->setPlaceholderText(QStringLiteral("yyyy-mm-dd hh:mm:ss.zzz"));
    return edit;
  };
  FTimeFrom = newEnd("edtTimeFrom", "Time Range from");
  FTimeTo = newEnd("edtTimeTo", "Time Range to");
  auto* to = new QLabel(QStringLiteral("to"), FTimeRange);
  auto* layout = new QHBoxLayout(FTimeRange);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FTimeFrom, 1);
  layout->addWidget(to);
  layout->addWidget(FTimeTo, 1);
  // Ticking the criterion or a report about it puts the caret in the first end.
  FTimeRange->setFocusProxy(FTimeFrom);
  return FTimeRange;
}

QCheckBox* TFrmViewFilter::AddValueCriterion(TCriterion criterion, const char* checkName, const char* caption,
                                             QWidget* field) {
  auto* check = new QCheckBox(QString::fromLatin1(caption), field->parentWidget());
  check->setObjectName(QString::fromLatin1(checkName));
  FCriteria[size_t(FCriterionCount++)] = {criterion, check, field};
  const TValueCriterion entry = FCriteria[size_t(FCriterionCount - 1)];
  connect(check, &QCheckBox::toggled, this, [this, entry](bool on) { CriterionToggled(entry, on); });
  return check;
}

QWidget* TFrmViewFilter::BuildTypeGrid(QWidget* parent) {
  auto* gridWidget = new QWidget(parent);
  auto* grid = new QGridLayout(gridWidget);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  // The eighth column, the custom formats, stands a little apart from the other seven.
  constexpr int GapColumn = 7;
  grid->setColumnMinimumWidth(GapColumn, 6);
  const QList<QIcon>& icons = qbicons::MessageIcons();
  for (int i = 0; i < qbviewfilter::TypeButtonCount; ++i) {
    const qbviewfilter::TTypeButton& info = qbviewfilter::TypeButtons()[size_t(i)];
    auto* button = new QToolButton(gridWidget);
    button->setObjectName(QString::fromLatin1(info.ObjectName));
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setEnabled(false);
    button->setToolTip(QString::fromLatin1(info.Hint));
    button->setAccessibleName(QString::fromLatin1(info.Hint));
    const int icon = qbtypes::IconIndex(info.Code);
    if (icon >= 0 && icon < icons.size()) button->setIcon(icons[icon]);
    button->setIconSize(QSize(16, 11));
    button->setFixedSize(24, 20);
    connect(button, &QToolButton::toggled, this, &TFrmViewFilter::UpdateAutoName);
    grid->addWidget(button, info.Row, info.Column < GapColumn ? info.Column : info.Column + 1);
    FTypeButtons[size_t(i)] = button;
  }
  return gridWidget;
}

void TFrmViewFilter::CriterionToggled(const TValueCriterion& criterion, bool on) {
  criterion.Field->setEnabled(on);
  if (on && !FLoading) criterion.Field->setFocus();
  UpdateAutoName();
}

void TFrmViewFilter::MsgTypeToggled(bool on) {
  for (QToolButton* b : FTypeButtons) b->setEnabled(on);
  FSelectAll->setEnabled(on);
  FUnselectAll->setEnabled(on);
  // Unticking forgets the chosen types; ticking again starts from none.
  if (!on) SetAllTypes(false);
  UpdateAutoName();
}

void TFrmViewFilter::SetAllTypes(bool down) {
  for (QToolButton* b : FTypeButtons) {
    const QSignalBlocker block(b);
    b->setChecked(down);
  }
  UpdateAutoName();
}

void TFrmViewFilter::NoFilter() {
  // The order in which the criteria are unticked, each as if clicked; the texts stay.
  QCheckBox* const order[] = {FCriteria[0].Check, FCriteria[1].Check, FCriteria[2].Check, FMsgType,
                              FCriteria[3].Check, FCriteria[4].Check, FCriteria[5].Check, FCriteria[6].Check};
  for (QCheckBox* check : order) check->setChecked(false);
}

void TFrmViewFilter::UpdateAutoName() {
  if (FAutoName->isChecked()) FViewName->setText(qbviewfilter::AutoName(Form()));
}

void TFrmViewFilter::AutoNameToggled(bool on) {
  if (!on) FViewName->setFocus();
  UpdateAutoName();
}

void TFrmViewFilter::Confirm() {
  FOK->setFocus();
  if (const auto report = qbviewfilter::CheckForm(Form())) {
    ShowErrorMessage(report->Text, this);
    FieldOf(report->Focus)->setFocus();
    return;
  }
  accept();
}

QWidget* TFrmViewFilter::FieldOf(TCriterion criterion) const {
  for (const TValueCriterion& c : FCriteria)
    if (c.Criterion == criterion) return c.Field;
  return FViewName;
}

QString TFrmViewFilter::ViewName() const { return FViewName->text(); }

void TFrmViewFilter::SetViewName(const QString& name) { FViewName->setText(name); }

QString TFrmViewFilter::ViewClassName() const { return FViewType->currentText(); }

void TFrmViewFilter::PrefillFromMessage(const TQuillboxMessage& message) {
  FCategory->setEditText(message.Category);
  FComputerName->setEditText(message.ComputerName);
  FAppName->setEditText(message.AppName);
  FProcessID->setEditText(QString::number(message.ProcessID));
  FThreadName->setEditText(message.ThreadName);
  FMessageText->setText(message.MsgText);
}

TQBFilterForm TFrmViewFilter::Form() const {
  TQBFilterForm form;
  form.CheckAppName = FCriteria[0].Check->isChecked();
  form.AppName = ComboText(FAppName);
  form.CheckCategory = FCriteria[1].Check->isChecked();
  form.Category = ComboText(FCategory);
  form.CheckComputerName = FCriteria[2].Check->isChecked();
  form.ComputerName = ComboText(FComputerName);
  form.CheckProcessID = FCriteria[3].Check->isChecked();
  form.ProcessID = ComboText(FProcessID);
  form.CheckThreadName = FCriteria[4].Check->isChecked();
  form.ThreadName = ComboText(FThreadName);
  form.CheckMessageText = FCriteria[5].Check->isChecked();
  form.MessageText = FMessageText->text();
  form.CheckMsgType = FMsgType->isChecked();
  for (int i = 0; i < qbviewfilter::TypeButtonCount; ++i) form.Down.set(size_t(i), FTypeButtons[size_t(i)]->isChecked());
  form.CheckTimeRange = FCriteria[6].Check->isChecked();
  form.TimeFrom = FTimeFrom->text();
  form.TimeTo = FTimeTo->text();
  return form;
}

void TFrmViewFilter::ApplyForm(const TQBFilterForm& form) {
  FCriteria[0].Check->setChecked(form.CheckAppName);
  FAppName->setEditText(form.AppName);
  FCriteria[1].Check->setChecked(form.CheckCategory);
  FCategory->setEditText(form.Category);
  FCriteria[3].Check->setChecked(form.CheckProcessID);
  FProcessID->setEditText(form.ProcessID);
  FCriteria[4].Check->setChecked(form.CheckThreadName);
  FThreadName->setEditText(form.ThreadName);
  FCriteria[2].Check->setChecked(form.CheckComputerName);
  FComputerName->setEditText(form.ComputerName);
  FCriteria[5].Check->setChecked(form.CheckMessageText);
  FMessageText->setText(form.MessageText);
  FMsgType->setChecked(form.CheckMsgType);
  for (int i = 0; i < qbviewfilter::TypeButtonCount; ++i) FTypeButtons[size_t(i)]->setChecked(form.Down.test(size_t(i)));
  FCriteria[6].Check->setChecked(form.CheckTimeRange);
  FTimeFrom->setText(form.TimeFrom);
  FTimeTo->setText(form.TimeTo);
}

void TFrmViewFilter::LoadCriteria(const TQBFilterCriteria& criteria) {
  struct TLoading {
    bool& Flag;
    explicit TLoading(bool& flag) : Flag(flag) { Flag = true; }
    ~TLoading() { Flag = false; }
  } loading(FLoading);
  TQBFilterForm form = Form();
  qbviewfilter::LoadCriteria(criteria, form);
  ApplyForm(form);
}

TQBFilterCriteria TFrmViewFilter::ReadCriteria() const { return qbviewfilter::ReadCriteria(Form()); }

void TFrmViewFilter::DisableDetails() { FDetails->setEnabled(false); }

void TFrmViewFilter::SyncAutoNameCheck() { FAutoName->setChecked(qbviewfilter::IsAutoName(ViewName(), Form())); }
