#include "window/areas/QBDetailPanel.h"

#include "inspectors/QBShades.h"
#include "shell/QBDetailFields.h"
#include "shell/QBDetailPanelLayout.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QResizeEvent>

TQBDetailPanel::TQBDetailPanel(QWidget* parent, const TQuillboxMessageSet& set) : QFrame(parent), FSet(set) {
  setObjectName(QStringLiteral("pnlMsgDetails"));
  setAccessibleName(QStringLiteral("Message detail panel"));
  // A flat line on the top side only.
  setStyleSheet(QStringLiteral("#pnlMsgDetails { background: %1; border: none; border-top: 1px solid %2; }")
                    .arg(ButtonFaceShade(-10).name(), palette().color(QPalette::Mid).name()));
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  setFont(font);
  const auto& fields = qbdetail::Fields();
  for (int i = 0; i < qbdetail::FieldCount; ++i) {
    const TQBDetailField& f = fields[size_t(i)];
    auto* label = new QLabel(QString::fromLatin1(f.Label), this);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(f.Pane).mid(3));
    // A value has no accessible name of its own: a label's name is its text, which a screen reader
    // reads (and hears change), and the label in front of it names it through the buddy relation.
    auto* value = new QLabel(this);
    value->setObjectName(QLatin1String(f.Pane));
    value->setAutoFillBackground(true);
    value->setAlignment((f.RightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    value->setTextFormat(Qt::PlainText);
    value->setIndent(2);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setBuddy(value);
    FLabels[size_t(i)] = label;
    FValues[size_t(i)] = value;
  }
  SetValueColor(QColor(0, 51, 142));
  LayOut(width());
}

void TQBDetailPanel::ShowMessage(const TQBMessageRef& message) {
  const auto values = qbdetail::ValuesOf(message);
  for (int i = 0; i < qbdetail::FieldCount; ++i) FValues[size_t(i)]->setText(values[size_t(i)]);
}

void TQBDetailPanel::MessageFocused() {
  const int recNo = FSet.RecNo();
  if (recNo >= 1 && recNo <= FSet.GetRecordCount())
    ShowMessage(FSet.At(recNo));
  else
    Clear();
}

void TQBDetailPanel::Clear() {
  for (QLabel* value : FValues) value->clear();
}

void TQBDetailPanel::SetValueColor(const QColor& color) {
  for (QLabel* value : FValues) {
    QPalette pal = value->palette();
    pal.setColor(QPalette::Window, palette().color(QPalette::Base));
    pal.setColor(QPalette::WindowText, color);
    value->setPalette(pal);
  }
}

qbdetail::TLabelWidths TQBDetailPanel::LabelWidths() const {
  qbdetail::TLabelWidths widths{};
  for (int i = 0; i < qbdetail::FieldCount; ++i) {
    const QLabel* label = FLabels[size_t(i)];
    widths[size_t(i)] = label->fontMetrics().horizontalAdvance(label->text()) + 1;
  }
  return widths;
}

void TQBDetailPanel::LayOut(int width) {
  // The labels' room comes from the font the machine gives them ("Tahoma" is seldom there).
  const TQBDetailPanelGeometry g = qbdetail::LayoutForWidth(width, LabelWidths());
  for (int i = 0; i < qbdetail::FieldCount; ++i) {
    FLabels[size_t(i)]->setGeometry(g.Labels[size_t(i)]);
    FValues[size_t(i)]->setGeometry(g.Panes[size_t(i)]);
  }
  // Only the height follows the width: the resize that this causes keeps the width and so the layout.
  if (height() != g.Height) setFixedHeight(g.Height);
}

void TQBDetailPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  if (event->size().width() != event->oldSize().width()) LayOut(event->size().width());
}

void TQBDetailPanel::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  // The constructor sets the font before the labels exist.
  if (event->type() == QEvent::FontChange && FLabels.back()) LayOut(width());
}
