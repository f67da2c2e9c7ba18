#include "dialogs/QBColorPicker.h"

#include "view/widgets/QBColorValue.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {

struct TNamedColor {
  const char* Name;
  int32_t Value;
};

constexpr TNamedColor kBasicColors[] = {
    {"Black", qbcolor::Rgb(0, 0, 0)},        {"Maroon", qbcolor::Rgb(128, 0, 0)},   {"Green", qbcolor::Rgb(0, 128, 0)},
    {"Olive", qbcolor::Rgb(128, 128, 0)},    {"Navy", qbcolor::Rgb(0, 0, 128)},     {"Purple", qbcolor::Rgb(128, 0, 128)},
    {"Teal", qbcolor::Rgb(0, 128, 128)},     {"Gray", qbcolor::Rgb(128, 128, 128)}, {"Silver", qbcolor::Rgb(192, 192, 192)},
    {"Red", qbcolor::Rgb(255, 0, 0)},        {"Lime", qbcolor::Rgb(0, 255, 0)},     {"Yellow", qbcolor::Rgb(255, 255, 0)},
    {"Blue", qbcolor::Rgb(0, 0, 255)},       {"Fuchsia", qbcolor::Rgb(255, 0, 255)}, {"Aqua", qbcolor::Rgb(0, 255, 255)},
    {"White", qbcolor::Rgb(255, 255, 255)},
};

constexpr TNamedColor kSystemColors[] = {
    {"Window", qbcolor::SystemColor(qbcolor::SysWindow)},
    {"Window Text", qbcolor::SystemColor(qbcolor::SysWindowText)},
    {"Button Face", qbcolor::SystemColor(qbcolor::SysButtonFace)},
    {"Button Shadow", qbcolor::SystemColor(qbcolor::SysButtonShadow)},
    {"Highlight", qbcolor::SystemColor(qbcolor::SysHighlight)},
    {"Highlight Text", qbcolor::SystemColor(qbcolor::SysHighlightText)},
    {"Info Text", qbcolor::SystemColor(qbcolor::SysInfoText)},
};

constexpr int CustomEntry = -1;  // the data of "Custom..."

TQBColorPicker::TChooser& Chooser() {
  static TQBColorPicker::TChooser chooser = [](QWidget* parent, int32_t& color) {
    const QColor chosen = QColorDialog::getColor(qbcolor::ToQColor(color), parent);
    if (!chosen.isValid()) return false;
    color = qbcolor::Rgb(chosen.red(), chosen.green(), chosen.blue());
    return true;
  };
  return chooser;
}

QIcon Swatch(int32_t value) {
  QPixmap pixmap(16, 12);
  pixmap.fill(qbcolor::ToQColor(value));
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
  return QIcon(pixmap);
}

}  // namespace

void TQBColorPicker::SetChooser(TChooser chooser) {
  Chooser() = chooser ? std::move(chooser) : TChooser();
}

TQBColorPicker::TQBColorPicker(int32_t defaultValue, bool systemColors, QWidget* parent)
    : QComboBox(parent), FDefault(defaultValue), FColor(defaultValue) {
  AddEntry(QStringLiteral("Default"), defaultValue);
  for (const TNamedColor& c : kBasicColors) AddEntry(QString::fromLatin1(c.Name), c.Value);
  if (systemColors)
    for (const TNamedColor& c : kSystemColors) AddEntry(QString::fromLatin1(c.Name), c.Value);
  addItem(QStringLiteral("Custom..."), CustomEntry);
  setCurrentIndex(0);
  connect(this, &QComboBox::activated, this, &TQBColorPicker::Chosen);
}

void TQBColorPicker::AddEntry(const QString& name, int32_t value) { addItem(Swatch(value), name, int(value)); }

int TQBColorPicker::IndexOf(int32_t value) const {
  // "Default" answers only for its own value; a named colour of the same value is shown by its name.
  for (int i = 1; i < count(); ++i)
    if (i != FCustomIndex && itemData(i).toInt() == value && itemData(i).toInt() != CustomEntry) return i;
  return value == FDefault ? 0 : -1;
}

void TQBColorPicker::SetColor(int32_t value) {
  FColor = value;
  const int found = value == FDefault ? 0 : IndexOf(value);
  if (found >= 0) {
    setCurrentIndex(found);
    return;
  }
  if (FCustomIndex < 0) {
    FCustomIndex = count() - 1;
    insertItem(FCustomIndex, Swatch(value), QStringLiteral("Custom"), int(value));
  } else {
    setItemIcon(FCustomIndex, Swatch(value));
    setItemData(FCustomIndex, int(value));
  }
  setCurrentIndex(FCustomIndex);
}

void TQBColorPicker::Chosen(int index) {
  int32_t value = int32_t(itemData(index).toInt());
  if (value == CustomEntry && index == count() - 1) {
    value = FColor;
    if (!Chooser() || !Chooser()(this, value)) {
      SetColor(FColor);
      return;
    }
  }
  SetColor(value);
  emit ColorChanged(value);
}
