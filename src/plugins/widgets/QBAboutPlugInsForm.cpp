#include "plugins/widgets/QBAboutPlugInsForm.h"

#include "plugins/widgets/QBPlugInManager.h"
#include "plugins/QBPlugInUtils.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The button-face colour made darker by 20 on the 0..240 lightness scale the program's dialogs use.
QColor DialogBackground(const QPalette& palette) {
  const QColor face = palette.color(QPalette::Button).toHsl();
  const int lightness240 = qRound(face.lightness() * 240.0 / 255.0);
  const int darker = qRound(std::max(0, lightness240 - 20) * 255.0 / 240.0);
  return QColor::fromHsl(face.hslHue(), face.hslSaturation(), darker);
}

QGroupBox* Group(QWidget* parent, const QString& title, const QRect& geometry) {
  auto* group = new QGroupBox(title, parent);
  group->setGeometry(geometry);
  return group;
}

QLabel* Label(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  return label;
}

}  // namespace

TFrmAboutPlugIns::TFrmAboutPlugIns(const TInternalPlugInManager& manager, QWidget* parent)
    : QDialog(parent), FManager(manager) {
  BuildLayout();
  QStringList names;
  FManager.GetInspectorNames(&names);
  names.sort(Qt::CaseInsensitive);
  lstPlugIns->addItems(names);
  connect(lstPlugIns, &QListWidget::currentTextChanged, this, &TFrmAboutPlugIns::ShowDetails);
  ClearDetails();
  if (lstPlugIns->count() > 0) lstPlugIns->setCurrentRow(0);
  FillModules();
}

void TFrmAboutPlugIns::FillModules() {
  const TPackageList& modules = FManager.Packages();
  for (qsizetype i = 0; i < modules.Count(); ++i) {
    const TPackageList::TEntry& entry = modules.Entry(i);
    auto* row = new QTreeWidgetItem(lstModules, {entry.Name, ModuleStateText(entry.State, entry.Error)});
    // The whole reason, with its line breaks, when the row cuts it short.
    if (!entry.Error.isEmpty()) row->setToolTip(1, entry.Error);
  }
}

void TFrmAboutPlugIns::BuildLayout() {
  setObjectName(QStringLiteral("frmAboutPlugIns"));
  setWindowTitle(QStringLiteral("Quillbox Viewer Plug-Ins"));
  setFixedSize(496, 421);
  setFont(QFont(QStringLiteral("Verdana"), 8));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, DialogBackground(pal));
  setPalette(pal);
  setAutoFillBackground(true);

  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setGeometry(8, 8, 481, 373);

  QGroupBox* loaded = Group(panel, QStringLiteral("Loaded Plug-Ins"), {12, 12, 249, 117});
  lstPlugIns = new QListWidget(loaded);
  lstPlugIns->setObjectName(QStringLiteral("lstPlugIns"));
  lstPlugIns->setGeometry(8, 16, 233, 93);
  lstPlugIns->setAccessibleName(QStringLiteral("Loaded Plug-Ins"));

  QGroupBox* description = Group(panel, QStringLiteral("Plug-In Description"), {272, 12, 193, 117});
  lblLongDesc = Label(description, QStringLiteral("lblLongDesc"), {8, 16, 177, 93});
  lblLongDesc->setWordWrap(true);
  lblLongDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  QGroupBox* details = Group(panel, QStringLiteral("Details"), {12, 136, 453, 109});
  const std::pair<const char*, int> captions[] = {
      {"Plug-In Version", 19}, {"Quillbox Message Type", 39}, {"Support Email", 63}, {"Support Web Site", 83}};
  for (const auto& [caption, top] : captions) {
    auto* label = new QLabel(QString::fromLatin1(caption), details);
    label->move(8, top);
  }
  lblVersion = Label(details, QStringLiteral("lblVersion"), {160, 16, 61, 18});
  lblMsgType = Label(details, QStringLiteral("lblMsgType"), {160, 36, 125, 18});
  lblEmail = Label(details, QStringLiteral("lblEmail"), {160, 60, 289, 18});
  lblWebSite = Label(details, QStringLiteral("lblWebSite"), {160, 80, 289, 18});
  for (QLabel* link : {lblEmail, lblWebSite}) {
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
  }

  // Below the details, what became of each module file.
  QGroupBox* modules = Group(panel, QStringLiteral("Plug-In Modules"), {12, 252, 453, 105});
  lstModules = new QTreeWidget(modules);
  lstModules->setObjectName(QStringLiteral("lstModules"));
  lstModules->setAccessibleName(QStringLiteral("Plug-In Modules"));
  lstModules->setGeometry(8, 16, 437, 81);
  lstModules->setRootIsDecorated(false);
  lstModules->setHeaderLabels({QStringLiteral("Module"), QStringLiteral("State")});
  lstModules->header()->resizeSection(0, 150);

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setGeometry(408, 388, 80, 25);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmAboutPlugIns::ShowDetails(const QString& name) {
  const TQuillboxCustomInspector* inspector = FManager.FindInspectorByName(name);
  if (!inspector) return ClearDetails();
  lblMsgType->setText(qbplugins::GetMessageTypeSymbol(inspector->MessageType()));
  lblVersion->setText(inspector->Version());
  lblLongDesc->setText(inspector->Description());
  const QString email = inspector->SupportEmail();
  SetLink(lblEmail, FEmailTarget, email, email.isEmpty() ? QString() : QStringLiteral("mailto:") + email);
  const QString web = inspector->SupportWebSite();
  SetLink(lblWebSite, FWebSiteTarget, web, web);
}

void TFrmAboutPlugIns::ClearDetails() {
  for (QLabel* label : {lblMsgType, lblVersion, lblLongDesc}) label->clear();
  SetLink(lblEmail, FEmailTarget, {}, {});
  SetLink(lblWebSite, FWebSiteTarget, {}, {});
}

// A link is drawn underlined in the highlight colour and opens its target when clicked.
void TFrmAboutPlugIns::SetLink(QLabel* label, QString& target, const QString& text, const QString& href) {
  target = href;
  if (text.isEmpty()) return label->clear();
  const QString colour = palette().color(QPalette::Highlight).name();
  label->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:underline\">%3</a>")
                     .arg(href.toHtmlEscaped(), colour, text.toHtmlEscaped()));
}
