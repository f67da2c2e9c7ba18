#include "dialogs/QBOptionsForm.h"

#include "dialogs/QBColorPicker.h"
#include "dialogs/QBColumnControls.h"
#include "dialogs/QBDialogLook.h"
#include "dialogs/QBFontsPage.h"
#include "dialogs/QBStylesPage.h"

#include "QBResources.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

QString Accessible(QString caption) { return caption.remove(QLatin1Char('&')); }

// A small picture of the window that selects its radio button when clicked.
QToolButton* Picture(const QString& resource, const char* name, const QString& accessible, QRadioButton* radio,
                     QWidget* parent) {
  auto* picture = new QToolButton(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setAccessibleName(accessible);
  picture->setIcon(QIcon(resource));
  picture->setIconSize(QSize(64, 48));
  picture->setAutoRaise(true);
  picture->setFocusPolicy(Qt::NoFocus);
  QObject::connect(picture, &QToolButton::clicked, radio, [radio] { radio->setChecked(true); });
  return picture;
}

}  // namespace

TFrmOptions::TFrmOptions(QWidget* parent) : QDialog(parent), FValues() {
  QBInitResources();
  setObjectName(QStringLiteral("FrmOptions"));
  setWindowTitle(QStringLiteral("Quillbox Viewer Options"));
  qbdialogs::ApplyDialogLook(*this);

  FPages = new QTabWidget(this);
  FPages->setObjectName(QStringLiteral("pgcOptions"));
  FPages->addTab(GeneralPage(), QStringLiteral("General"));
  FPages->addTab(ColumnsPage(), QStringLiteral("Columns"));
  FPages->addTab(LayoutPage(), QStringLiteral("Layout"));
  FPages->addTab(SeparatorsPage(), QStringLiteral("Separators"));
  FFonts = new TQBFontsPage(FValues, FPages);
  FPages->addTab(FFonts, QStringLiteral("Fonts"));
  FStyles = new TQBStylesPage(FValues, FPages);
  FPages->addTab(FStyles, QStringLiteral("Colors && Styles"));
  connect(FFonts, &TQBFontsPage::MessageFontChanged, FStyles, &TQBStylesPage::Refresh);

  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  QPushButton* help = qbdialogs::NewButton(QStringLiteral("&Help"), QStringLiteral("btnHelp"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(QString::fromLatin1(HelpTopic)); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FPages);
  layout->addLayout(qbdialogs::ButtonRow({ok, cancel, help}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Load(FValues);
}

QCheckBox* TFrmOptions::NewCheck(const QString& caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(Accessible(caption));
  return box;
}

TQBColorPicker* TFrmOptions::NewPicker(int32_t defaultValue, bool systemColors, const char* name,
                                       const QString& accessible, QWidget* parent) {
  auto* picker = new TQBColorPicker(defaultValue, systemColors, parent);
  picker->setObjectName(QString::fromLatin1(name));
  picker->setAccessibleName(Accessible(accessible));
  return picker;
}

QVBoxLayout* TFrmOptions::NewSwitchColumn(std::initializer_list<TSwitchSpec> specs, QWidget* page) {
  auto* column = new QVBoxLayout;
  for (const TSwitchSpec& spec : specs) {
    QCheckBox* box = NewCheck(QString::fromLatin1(spec.Caption), spec.Name, page);
    FSwitches.push_back({box, spec.Value});
    column->addWidget(box);
  }
  column->addStretch(1);
  return column;
}

QWidget* TFrmOptions::GeneralPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tabGeneral"));
  const TQBDisplaySettings defaults;
  QVBoxLayout* left = NewSwitchColumn(
      {
          {"&Show Clear Views Confirmation", "chkConfirmOnClear", &TQBOptionsValues::ConfirmOnClear},
          {"Show &Clear Bookmarks Confirmation", "chkConfirmOnClearBookmarks",
           &TQBOptionsValues::ConfirmOnClearBookmarks},
          {"Auto-Save Project Changes on E&xit", "chkAutoSaveProject", &TQBOptionsValues::AutoSaveProject},
          {"Auto-Collapse &Empty Methods", "chkAutoCollapse", &TQBOptionsValues::AutoCollapse},
          {"&Flatten Structure", "chkFlattenStructure", &TQBOptionsValues::FlattenStructure},
          {"Shade Alternate &Rows", "chkRowShading", &TQBOptionsValues::RowShading},
      },
      page);
  FFirstBox = FSwitches.front().Box;
  FRowShading = FSwitches.back().Box;
  auto* right = new QFormLayout;
  const auto picker = [&](const QString& caption, int32_t defaultValue, bool system, const char* name,
                          int32_t TQBOptionsValues::*value) {
    TQBColorPicker* p = NewPicker(defaultValue, system, name, caption, page);
    FColors.push_back({p, value});
    auto* label = new QLabel(caption, page);
    label->setBuddy(p);
    right->addRow(label, p);
    return std::pair{label, p};
  };
  picker(QStringLiteral("&Value Color"), defaults.ValueColor, false, "edtValueColor", &TQBOptionsValues::ValueColor);
  picker(QStringLiteral("&Bookmark Color"), defaults.MarkerColor, false, "edtMarkerColor", &TQBOptionsValues::MarkerColor);
  picker(QStringLiteral("Sync &Msg Color"), defaults.SyncMsgColor, false, "edtSyncMsgColor", &TQBOptionsValues::SyncMsgColor);
  std::tie(FBlendingLabel, FBlending) = picker(QStringLiteral("Blending Color"), defaults.RowShadingColor, true,
                                               "edtRowShadingColor", &TQBOptionsValues::RowShadingColor);
  FBlendingLabel->setObjectName(QStringLiteral("lblRowShadingColor"));
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(right);
  // The blending colour matters only while alternate rows are shaded.
  connect(FRowShading, &QCheckBox::toggled, this, [this](bool on) {
    FBlendingLabel->setEnabled(on);
    FBlending->setEnabled(on);
  });
  return page;
}

QWidget* TFrmOptions::ColumnsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tabColumns"));
  FColumns = new TQBColumnControls(TQBColumnControls::TButtons::Below, page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(FColumns);
  layout->addStretch(1);
  return page;
}

QWidget* TFrmOptions::LayoutPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tabLayout"));
  QVBoxLayout* left = NewSwitchColumn(
      {
          {"Show the &Inspector", "chkInspector", &TQBOptionsValues::Inspector},
          {"Show the &Call Stack", "chkCallStack", &TQBOptionsValues::CallStack},
          {"Sho&w Message Detail Panel", "chkDetailPanel", &TQBOptionsValues::DetailPanel},
          {"Wrap Toolbar &Buttons", "chkWrapButtons", &TQBOptionsValues::WrapButtons},
          {"Always On &Top", "chkAlwaysOnTop", &TQBOptionsValues::AlwaysOnTop},
      },
      page);
  auto* divider = new QFrame(page);
  divider->setFrameShape(QFrame::VLine);
  divider->setFrameShadow(QFrame::Sunken);
  auto* position = new QGroupBox(QStringLiteral("Inspector Position"), page);
  position->setObjectName(QStringLiteral("grpInspectorPosition"));
  FOnRight = new QRadioButton(QStringLiteral("On the &Right"), position);
  FOnRight->setObjectName(QStringLiteral("optInspectorOnRight"));
  FOnRight->setAccessibleName(QStringLiteral("Inspector on the right"));
  FOnBottom = new QRadioButton(QStringLiteral("On the B&ottom"), position);
  FOnBottom->setObjectName(QStringLiteral("optInspectorOnBottom"));
  FOnBottom->setAccessibleName(QStringLiteral("Inspector at the bottom"));
  auto* grid = new QGridLayout(position);
  grid->addWidget(FOnRight, 0, 0);
  grid->addWidget(Picture(QStringLiteral(":/images/inspector-right.svg"), "imgInspectorOnRight",
                          QStringLiteral("Window with the inspector on the right"), FOnRight, position),
                  0, 1);
  grid->addWidget(FOnBottom, 1, 0);
  grid->addWidget(Picture(QStringLiteral(":/images/inspector-bottom.svg"), "imgInspectorOnBottom",
                          QStringLiteral("Window with the inspector at the bottom"), FOnBottom, position),
                  1, 1);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addWidget(divider);
  layout->addWidget(position, 0, Qt::AlignTop);
  return page;
}

QWidget* TFrmOptions::SeparatorsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("tabSeparators"));
  TQBColorPicker* color = NewPicker(TQBDisplaySettings().SeparatorColor, false, "edtSeparatorColor",
                                    QStringLiteral("Separator Color"), page);
  FColors.push_back({color, &TQBOptionsValues::SeparatorColor});
  auto* label = new QLabel(QStringLiteral("&Separator Color"), page);
  label->setBuddy(color);
  auto* form = new QFormLayout(page);
  form->addRow(label, color);
  return page;
}

void TFrmOptions::Load(const TQBOptionsValues& v) {
  FValues = v;
  for (const TSwitchBox& s : FSwitches) s.Box->setChecked(v.*s.Value);
  for (const TColorBox& c : FColors) c.Picker->SetColor(v.*c.Value);
  FBlendingLabel->setEnabled(v.RowShading);
  FBlending->setEnabled(v.RowShading);
  FColumns->Load(v.Columns.ToColumns());
  (v.InspectorOnBottom ? FOnBottom : FOnRight)->setChecked(true);
  FFonts->Reload();
  FStyles->MsgType()->setCurrentIndex(0);
  FStyles->Refresh();
  FPages->setCurrentIndex(0);
  FFirstBox->setFocus();
}

TQBOptionsValues TFrmOptions::Values() const {
  TQBOptionsValues v = FValues;
  for (const TSwitchBox& s : FSwitches) v.*s.Value = s.Box->isChecked();
  for (const TColorBox& c : FColors) v.*c.Value = c.Picker->Color();
  v.Columns = FColumns->Choice();
  v.InspectorOnBottom = FOnBottom->isChecked();
  return v;
}

bool TFrmOptions::Execute(QWidget* control, TQBOptionsValues& values, const std::function<void(const QString&)>& help) {
  TFrmOptions dialog(control ? control->window() : nullptr);
  dialog.Load(values);
  if (help) connect(&dialog, &TFrmOptions::HelpRequested, &dialog, help);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.Values();
  return true;
}
