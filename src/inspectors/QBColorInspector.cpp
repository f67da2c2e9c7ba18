#include "inspectors/QBColorInspector.h"

#include "inspectors/QBGradientPanel.h"
#include "inspectors/parsers/QBColorParser.h"
#include "inspectors/parsers/QBDetailsLines.h"
#include "inspectors/parsers/QBShownText.h"
#include "inspectors/parsers/QBHalfEven.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

namespace {
constexpr const char* Names[7] = {"R", "G", "B", "A", "H", "S", "L"};

QColor ColorOfValue(uint32_t color) { return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)); }
}  // namespace

TQBColorInspector::TQBColorInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBColorInspector::CreateContent() {
  FPanel = new TQBGradientPanel(this);
  FPanel->setObjectName(QStringLiteral("pnlColorValues"));
  FPanel->SetBorderSides(Qt::BottomEdge);
  for (size_t i = 0; i < FValues.size(); ++i) {
    FCaptions[i] = new QLabel(QString::fromLatin1(Names[i]), FPanel);
    FCaptions[i]->setAlignment(Qt::AlignCenter);
    FValues[i] = new QLabel(FPanel);
    FValues[i]->setObjectName(QStringLiteral("sts%1").arg(QLatin1String(Names[i])));
    FValues[i]->setAccessibleName(QString::fromLatin1(Names[i]));
    FValues[i]->setAlignment(Qt::AlignCenter);
    FValues[i]->setAutoFillBackground(true);
    FValues[i]->setBackgroundRole(QPalette::Button);
  }
  AddContent(FPanel);
  FSwatch = new QWidget(this);
  FSwatch->setObjectName(QStringLiteral("pnlSwatch"));
  FSwatch->setAccessibleName(QStringLiteral("Colour Swatch"));
  // A child takes its parent's background role unless told otherwise; the inspector's is Base.
  FSwatch->setBackgroundRole(QPalette::Window);
  FSwatch->setAutoFillBackground(true);
  AddContent(FSwatch);
  SetValueColor(FValueColor);
  LayOut();
  Clear();
}

void TQBColorInspector::SetSwatch(const QColor& color) {
  QPalette palette = FSwatch->palette();
  palette.setColor(QPalette::Window, color);
  FSwatch->setPalette(palette);
}

QColor TQBColorInspector::SwatchColor() const { return FSwatch->palette().color(QPalette::Window); }

void TQBColorInspector::Clear() {
  for (QLabel* value : FValues) value->clear();
  SetSwatch(palette().color(QPalette::Base));
}

void TQBColorInspector::Inspect() {
  // Only the first four lines are read; the rest of a long text is never split.
  const TQBColorValues values = ParseColorLines(ShownLines(CurrentDetailsUtf8(), TQBLineBreaks::AsWritten, 4).Lines);
  const QString texts[7] = {values.Red,
                            values.Green,
                            values.Blue,
                            QString::number(values.Alpha),
                            QString::number(values.Hsl.H),
                            QString::number(values.Hsl.S),
                            QString::number(values.Hsl.L)};
  for (size_t i = 0; i < FValues.size(); ++i) FValues[i]->setText(texts[i]);
  SetSwatch(ColorOfValue(values.Color));
}

void TQBColorInspector::CopyContents() {
  QStringList lines;
  for (size_t i = 0; i < FValues.size(); ++i) lines << QString::fromLatin1(Names[i]) + '\t' + FValues[i]->text();
  auto* data = new QMimeData;
  data->setText(JoinLinesCrLf(lines));
  data->setColorData(SwatchColor());
  QGuiApplication::clipboard()->setMimeData(data);
}

void TQBColorInspector::SetValueColor(const QColor& color) {
  FValueColor = color;
  for (QLabel* value : FValues) {
    QPalette palette = value->palette();
    palette.setColor(QPalette::WindowText, color);
    value->setPalette(palette);
  }
}

void TQBColorInspector::SetContentFont(const QFont& font) {
  FPanel->setFont(font);
  for (QLabel* value : FValues) value->setFont(font);
  SetValueColor(FValueColor);
  LayOut();
}

void TQBColorInspector::SetFrameFont(const QFont& font, int height) {
  TQBStockInspector::SetFrameFont(font, height);
  LayOut();
}

void TQBColorInspector::LayOut() {
  const QFontMetrics metrics(FValues[0]->font());
  const int w = metrics.horizontalAdvance(QLatin1Char('G'));
  const int h = metrics.height();
  FPanel->setFixedHeight(int(RoundHalfEven(3.5 * h)));
  const int rows[2] = {8, 8 + h + int(RoundHalfEven(h / 2.0))};
  const int paneWidth = int(RoundHalfEven(3.5 * w));
  for (size_t i = 0; i < FValues.size(); ++i) {
    const int k = int(i < 4 ? i : i - 4);
    const int y = rows[i < 4 ? 0 : 1];
    FCaptions[i]->setGeometry(6 * k * w + 8, y, w, h);
    FValues[i]->setGeometry(6 * k * w + w + 12, y, paneWidth, h + 2);
  }
}
