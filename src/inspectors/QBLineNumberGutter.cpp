#include "inspectors/QBLineNumberGutter.h"

#include "inspectors/QBShades.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {
// QPlainTextEdit keeps its block geometry to itself; a small subclass opens it to the gutter.
class TOpenEditor : public QPlainTextEdit {
public:
  using QPlainTextEdit::blockBoundingGeometry;
  using QPlainTextEdit::contentOffset;
  using QPlainTextEdit::firstVisibleBlock;
};
}  // namespace

TQBLineNumberGutter::TQBLineNumberGutter(QPlainTextEdit* editor) : QWidget(editor), FEditor(editor) {
  setObjectName(QStringLiteral("LineNumbers"));
  QFont font(QStringLiteral("Tahoma"), 7);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);
}

int TQBLineNumberGutter::WantedWidth() const {
  int digits = 1;
  for (int n = std::max(1, FEditor->blockCount()); n >= 10; n /= 10) ++digits;
  return 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits, 3);
}

void TQBLineNumberGutter::paintEvent(QPaintEvent* event) {
  const QRect exposed = event->rect();
  QPainter p(this);
  p.fillRect(exposed, ButtonFaceShade(10));
  // A hairline keeps the numbers apart from the text.
  p.setPen(ButtonFaceShade(-20));
  p.drawLine(width() - 1, exposed.top(), width() - 1, exposed.bottom());
  p.setPen(palette().color(QPalette::Dark));
  auto* editor = static_cast<TOpenEditor*>(FEditor);
  QTextBlock block = editor->firstVisibleBlock();
  const QPointF offset = editor->contentOffset();
  const int textHeight = fontMetrics().height();
  // Only the blocks that cross the exposed band are numbered; the rest of the gutter is untouched.
  for (; block.isValid(); block = block.next()) {
    const QRectF box = editor->blockBoundingGeometry(block).translated(offset);
    if (box.top() > exposed.bottom()) break;
    if (!block.isVisible() || box.bottom() < exposed.top()) continue;
    const int lineTop = int(box.top()) + (FEditor->fontMetrics().height() - textHeight) / 2;
    p.drawText(QRect(0, lineTop, width() - 5, textHeight), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(block.blockNumber() + 1));
  }
}
