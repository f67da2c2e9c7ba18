#pragma once
// The borderless popup that shows a message text too long for its column, word-wrapped, next to the
// row under the pointer.

#include <QRect>
#include <QString>
#include <QWidget>

class TQBMessageViewHintWindow : public QWidget {
  Q_OBJECT
public:
  explicit TQBMessageViewHintWindow(QWidget* owner);

  void SetText(const QString& text) { FText = text; update(); }
  QString Text() const { return FText; }
  // The hint's size for a text: wrapped within maxWidth, at most 40 pixels high.
  static QSize HintSize(const QString& text, const QFont& font, int maxWidth);
  // Shows the hint with its top left at a screen point, unless it already shows there.
  void ShowAt(const QPoint& topLeft, const QSize& size);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString FText;
};
