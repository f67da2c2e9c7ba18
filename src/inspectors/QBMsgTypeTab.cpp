#include "inspectors/QBMsgTypeTab.h"

#include "inspectors/QBGradientPanel.h"
#include "inspectors/QBShades.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

namespace {
constexpr int TabWidth = 45;
constexpr int GlyphWidth = 24;
constexpr int ArrowStart = 26;  // where the slanted edges begin
}  // namespace

TQBMsgTypeTab::TQBMsgTypeTab(QWidget* parent) : QWidget(parent), FGlyph(new QLabel(this)) {
  setObjectName(QStringLiteral("pnlMsgType"));
  setFixedWidth(TabWidth);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 0, 1);
  layout->addWidget(FGlyph);
  layout->addStretch(1);
  FGlyph->setObjectName(QStringLiteral("stsMsgType"));
  FGlyph->setAccessibleName(QStringLiteral("Message Type"));
  FGlyph->setFixedWidth(GlyphWidth);
  FGlyph->setAlignment(Qt::AlignCenter);
}

void TQBMsgTypeTab::SetGlyph(const QIcon& icon, const QString& hint) {
  // Message icons are drawn on a 16 x 11 grid; other sizes blur their pixel-aligned edges.
  FGlyph->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(QSize(16, 11)));
  // Tool tips break lines at "\n"; the hint's "\r" breaks and its tab columns stay as plain text.
  FGlyph->setToolTip(hint.isEmpty() ? QString()
                                    : QStringLiteral("<pre>") + QString(hint).replace(QChar('\r'), QChar('\n')).toHtmlEscaped() +
                                          QStringLiteral("</pre>"));
}

void TQBMsgTypeTab::paintEvent(QPaintEvent*) {
  const int h = height();
  const QPolygon arrow({{0, 0}, {ArrowStart, 0}, {ArrowStart + h / 2, h / 2}, {ArrowStart, h}, {0, h}});
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRegion(QRegion(arrow));
  QLinearGradient fill(0, 0, 0, h);
  fill.setColorAt(0, ButtonFaceShade(20));
  fill.setColorAt(1, ButtonFaceShade(-40));
  p.fillRect(rect(), fill);
  p.setClipping(false);
  p.setPen(TQBGradientPanel::BorderColor());
  p.drawLine(QPointF(ArrowStart, 0), QPointF(ArrowStart + h / 2.0, h / 2.0));
  p.drawLine(QPointF(ArrowStart + h / 2.0, h / 2.0), QPointF(ArrowStart, h));
}
