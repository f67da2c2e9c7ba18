#include "inspectors/QBTextControl.h"

#include "inspectors/QBLineNumberGutter.h"
#include "inspectors/parsers/QBDetailsLines.h"
#include "model/QBDisplayText.h"

#include <QScrollBar>
#include <QTextBlock>

TQBTextControl::TQBTextControl(QWidget* parent) : QPlainTextEdit(parent), FGutter(new TQBLineNumberGutter(this)) {
  setFrameShape(QFrame::NoFrame);
  setCenterOnScroll(false);
  FGutter->hide();
  connect(this, &QPlainTextEdit::blockCountChanged, this, &TQBTextControl::UpdateGutterWidth);
  connect(this, &QPlainTextEdit::updateRequest, this, &TQBTextControl::ScrollGutter);
  SetWordWrap(true);
}

void TQBTextControl::SetLines(const QStringList& lines) {
  FWhole.clear();
  setPlainText(lines.join(QLatin1Char('\n')));
  // Edits from here on are the user's: WholeText then gives the lines as shown.
  document()->setModified(false);
  moveCursor(QTextCursor::Start);
}

TQBShownCounts TQBTextControl::SetText(QByteArrayView utf8, TQBLineBreaks breaks) {
  TQBShownLines shown = ShownLines(utf8, breaks);
  bool marked = false;
  for (QString& line : shown.Lines)
    if (HasBidiControls(line)) {
      line = VisibleBidiControls(line);
      marked = true;
    }
  SetLines(shown.Lines);
  if (marked || !shown.Counts.Complete()) {
    FWhole = utf8.toByteArray();
    FWholeBreaks = breaks;
  }
  return shown.Counts;
}

QString TQBTextControl::WholeText() const {
  if (!FWhole.isEmpty() && !document()->isModified()) return CrLfLines(FWhole, FWholeBreaks);
  return JoinLinesCrLf(Lines());
}

QStringList TQBTextControl::Lines() const {
  QStringList lines;
  const QTextDocument* doc = document();
  if (doc->isEmpty()) return lines;
  lines.reserve(doc->blockCount());
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) lines.append(block.text());
  return lines;
}

void TQBTextControl::GoToLine(int line) {
  const int last = std::max(0, blockCount() - 1);
  QTextCursor cursor(document()->findBlockByNumber(std::clamp(line, 0, last)));
  setTextCursor(cursor);
  ensureCursorVisible();
}

void TQBTextControl::SetWordWrap(bool wrap) {
  setLineWrapMode(wrap ? WidgetWidth : NoWrap);
  setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

bool TQBTextControl::LineNumbers() const { return !FGutter->isHidden(); }

void TQBTextControl::SetLineNumbers(bool show) {
  FGutter->setVisible(show);
  UpdateGutterWidth();
}

void TQBTextControl::UpdateGutterWidth() {
  const int width = LineNumbers() ? FGutter->WantedWidth() : 0;
  setViewportMargins(width, 0, 0, 0);
  const QRect inside = contentsRect();
  FGutter->setGeometry(inside.left(), inside.top(), width, inside.height());
}

void TQBTextControl::ScrollGutter(const QRect& rect, int dy) {
  if (!LineNumbers()) return;
  if (dy)
    FGutter->scroll(0, dy);
  else
    FGutter->update(0, rect.y(), FGutter->width(), rect.height());
}

void TQBTextControl::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  UpdateGutterWidth();
}
