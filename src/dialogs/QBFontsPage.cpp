#include "dialogs/QBFontsPage.h"

#include "dialogs/QBColorPicker.h"
#include "dialogs/QBSettingsFont.h"
#include "view/widgets/QBColorValue.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <iterator>

namespace {

QLabel* WhitePanel(const QString& text, const char* name, QWidget* parent) {
  auto* panel = new QLabel(text, parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setAlignment(Qt::AlignCenter);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::white);
  panel->setPalette(pal);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setMinimumHeight(60);
  return panel;
}

}  // namespace

TQBFontsPage::TQBFontsPage(TQBOptionsValues& values, QWidget* parent) : QWidget(parent), FValues(values) {
  setObjectName(QStringLiteral("tabFonts"));
  FFontType = new QComboBox(this);
  FFontType->setObjectName(QStringLiteral("cbxFontType"));
  FFontType->setAccessibleName(QStringLiteral("Font Type"));
  for (const char* caption : FontKindCaptions) FFontType->addItem(QString::fromLatin1(caption));
  FFontName = new QFontComboBox(this);
  FFontName->setObjectName(QStringLiteral("cbxFontName"));
  FFontName->setAccessibleName(QStringLiteral("Font Name"));
  FFontName->setEditable(false);
  FFontName->view()->setMinimumWidth(300);
  FFontColor = new TQBColorPicker(0, true, this);
  FFontColor->setObjectName(QStringLiteral("edtFontColor"));
  FFontColor->setAccessibleName(QStringLiteral("Font Color"));
  FFontSize = new QSpinBox(this);
  FFontSize->setObjectName(QStringLiteral("spnFontSize"));
  FFontSize->setAccessibleName(QStringLiteral("Font Size"));
  FFontSize->setRange(6, 36);
  auto* previewGroup = new QGroupBox(QStringLiteral("Preview"), this);
  FPreview = WhitePanel(QStringLiteral("Sample"), "pnlFontPreview", previewGroup);
  FPreview->setAccessibleName(QStringLiteral("Font Preview"));
  (new QVBoxLayout(previewGroup))->addWidget(FPreview);

  auto* form = new QFormLayout;
  const auto row = [&](const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    form->addRow(label, field);
  };
  row(QStringLiteral("Font &Type"), FFontType);
  row(QStringLiteral("Font &Name"), FFontName);
  row(QStringLiteral("&Color"), FFontColor);
  row(QStringLiteral("&Size"), FFontSize);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(previewGroup, 1);

  connect(FFontType, &QComboBox::currentIndexChanged, this, &TQBFontsPage::ShowFont);
  // Each field changes only its own part: a font whose name is not installed keeps that name when
  // only its colour or size is changed.
  connect(FFontName, &QFontComboBox::currentFontChanged, this,
          [this](const QFont& font) { Edited([&](TQBFontSettings& f) { f.Name = font.family(); }); });
  connect(FFontColor, &TQBColorPicker::ColorChanged, this,
          [this](int32_t color) { Edited([&](TQBFontSettings& f) { f.Color = color; }); });
  connect(FFontSize, &QSpinBox::valueChanged, this,
          [this](int size) { Edited([&](TQBFontSettings& f) { f.Size = size; }); });
}

TQBFontKind TQBFontsPage::Kind() const { return TQBFontKind(std::max(0, FFontType->currentIndex())); }

TQBFontSettings& TQBFontsPage::Current() {
  switch (Kind()) {
    case TQBFontKind::Inspector: return FValues.InspectorFont;
    case TQBFontKind::InspectorFixed: return FValues.InspectorFixedFont;
    case TQBFontKind::Message: break;
  }
  return FValues.MessageFont;
}

void TQBFontsPage::Reload() {
  if (FFontType->currentIndex() != 0) FFontType->setCurrentIndex(0);  // shows the font
  else ShowFont();
}

void TQBFontsPage::ShowFont() {
  FShowing = true;
  const TQBFontSettings& font = Current();
  FFontName->setFontFilters(Kind() == TQBFontKind::InspectorFixed ? QFontComboBox::MonospacedFonts
                                                                  : QFontComboBox::AllFonts);
  FFontName->setCurrentFont(QFont(font.Name));
  FFontColor->SetColor(font.Color);
  FFontSize->setValue(font.Size);
  FShowing = false;
  ShowPreview();
}

void TQBFontsPage::ShowPreview() {
  const TQBFontSettings& font = Current();
  FPreview->setFont(QBFontOf(font));
  QPalette pal = FPreview->palette();
  pal.setColor(QPalette::WindowText, qbcolor::ToQColor(font.Color));
  FPreview->setPalette(pal);
}

void TQBFontsPage::Edited(const std::function<void(TQBFontSettings&)>& change) {
  if (FShowing) return;
  change(Current());
  ShowPreview();
  if (Kind() != TQBFontKind::Message) return;
  FValues.MirrorMessageFont();
  emit MessageFontChanged();
}
