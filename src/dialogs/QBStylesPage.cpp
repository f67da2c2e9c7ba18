#include "dialogs/QBStylesPage.h"

#include "dialogs/QBColorPicker.h"
#include "dialogs/QBSettingsFont.h"
#include "view/widgets/QBColorValue.h"
#include "view/widgets/QBRowPainter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The style bits of the style table, as the settings file stores them.
constexpr int32_t BoldBit = 8, ItalicBit = 4, UnderlineBit = 2, StrikeoutBit = 1;

}  // namespace

TQBStylesPage::TQBStylesPage(TQBOptionsValues& values, QWidget* parent) : QWidget(parent), FValues(values) {
  setObjectName(QStringLiteral("tabStyles"));
  FMsgType = new QComboBox(this);
  FMsgType->setObjectName(QStringLiteral("cbxMsgType"));
  FMsgType->setAccessibleName(QStringLiteral("Message Type"));
  for (const TQBStyleListEntry& e : StyleListEntries) FMsgType->addItem(QString::fromLatin1(e.Caption), e.Type);
  FMsgType->setMaxVisibleItems(20);
  FUseDefault = new QCheckBox(QStringLiteral("Use &Default"), this);
  FUseDefault->setObjectName(QStringLiteral("chkUseDefault"));
  FUseDefault->setAccessibleName(QStringLiteral("Use Default"));
  FColor = new TQBColorPicker(0, true, this);
  FColor->setObjectName(QStringLiteral("edtColor"));
  FColor->setAccessibleName(QStringLiteral("Color"));

  auto* styleGroup = new QGroupBox(QStringLiteral("Style"), this);
  auto* styleLayout = new QVBoxLayout(styleGroup);
  const struct {
    QCheckBox*& Box;
    const char* Caption;
    const char* Name;
    int32_t Bit;
  } boxes[] = {
      {FBold, "&Bold", "chkBold", BoldBit},
      {FItalic, "&Italic", "chkItalic", ItalicBit},
      {FUnderline, "&Underline", "chkUnderline", UnderlineBit},
      {FStrikeout, "&Strikeout", "chkStrikeout", StrikeoutBit},
  };
  for (const auto& b : boxes) {
    b.Box = new QCheckBox(QString::fromLatin1(b.Caption), styleGroup);
    b.Box->setObjectName(QString::fromLatin1(b.Name));
    b.Box->setAccessibleName(QString::fromLatin1(b.Caption).remove(QLatin1Char('&')));
    // Each caption in its own style.
    b.Box->setFont(qbrowpaint::StyledFont(b.Box->font(), b.Bit));
    styleLayout->addWidget(b.Box);
    const int32_t bit = b.Bit;
    connect(b.Box, &QCheckBox::clicked, this, [this, bit](bool on) { StyleClicked(bit, on); });
  }

  auto* previewGroup = new QGroupBox(QStringLiteral("Preview"), this);
  FPreview = new QLabel(QStringLiteral("Sample Quillbox Message"), previewGroup);
  FPreview->setObjectName(QStringLiteral("pnlStylePreview"));
  FPreview->setAccessibleName(QStringLiteral("Style Preview"));
  FPreview->setAlignment(Qt::AlignCenter);
  FPreview->setAutoFillBackground(true);
  QPalette pal = FPreview->palette();
  pal.setColor(QPalette::Window, Qt::white);
  FPreview->setPalette(pal);
  FPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  FPreview->setMinimumHeight(50);
  (new QVBoxLayout(previewGroup))->addWidget(FPreview);

  auto* form = new QFormLayout;
  auto* typeLabel = new QLabel(QStringLiteral("Message &Type"), this);
  typeLabel->setBuddy(FMsgType);
  form->addRow(typeLabel, FMsgType);
  form->addRow(QString(), FUseDefault);
  auto* colorLabel = new QLabel(QStringLiteral("&Color"), this);
  colorLabel->setBuddy(FColor);
  form->addRow(colorLabel, FColor);
  auto* upper = new QHBoxLayout;
  upper->addLayout(form, 1);
  upper->addWidget(styleGroup);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(upper);
  layout->addWidget(previewGroup, 1);

  connect(FMsgType, &QComboBox::currentIndexChanged, this, &TQBStylesPage::Refresh);
  connect(FUseDefault, &QCheckBox::clicked, this, &TQBStylesPage::UseDefaultClicked);
  connect(FColor, &TQBColorPicker::ColorChanged, this, [this](int32_t color) {
    Entry().Color = color;
    ShowPreview();
  });
}

int32_t TQBStylesPage::ChosenType() const { return StyleListEntries[size_t(std::max(0, FMsgType->currentIndex()))].Type; }

TQBTypeStyle& TQBStylesPage::Entry() { return FValues.Styles.Entries[size_t(ChosenType())]; }

QCheckBox* TQBStylesPage::StyleBox(int32_t bit) const {
  return bit == BoldBit ? FBold : bit == ItalicBit ? FItalic : bit == UnderlineBit ? FUnderline : bit == StrikeoutBit ? FStrikeout : nullptr;
}

void TQBStylesPage::Refresh() {
  const TQBTypeStyle& e = Entry();
  FUseDefault->setChecked(e.UseDefault);
  FColor->SetColor(e.Color);
  for (int32_t bit : {BoldBit, ItalicBit, UnderlineBit, StrikeoutBit}) StyleBox(bit)->setChecked(e.Style & bit);
  for (QWidget* w : std::initializer_list<QWidget*>{FColor, FBold, FItalic, FUnderline, FStrikeout})
    w->setEnabled(!e.UseDefault);
  ShowPreview();
}

void TQBStylesPage::ShowPreview() {
  // A type that uses the default looks like an Info message: the message font, entry 0.
  const TQBTypeStyle& e = Entry();
  const TQBTypeStyle& look = e.UseDefault ? FValues.Styles.Entries[0] : e;
  QFont font = QBFontOf(FValues.MessageFont);
  font = qbrowpaint::StyledFont(font, look.Style);
  FPreview->setFont(font);
  QPalette pal = FPreview->palette();
  pal.setColor(QPalette::WindowText, qbcolor::ToQColor(look.Color));
  FPreview->setPalette(pal);
}

void TQBStylesPage::UseDefaultClicked(bool on) {
  Entry().UseDefault = on;
  Refresh();
}

void TQBStylesPage::StyleClicked(int32_t bit, bool on) {
  TQBTypeStyle& e = Entry();
  e.Style = on ? (e.Style | bit) : (e.Style & ~bit);
  ShowPreview();
}
