#pragma once
// The line-number gutter of the text control: a child widget in the control's left viewport margin
// that paints the numbers of the lines in its exposed area only.

#include <QWidget>

class QPlainTextEdit;

class TQBLineNumberGutter : public QWidget {
  Q_OBJECT
public:
  explicit TQBLineNumberGutter(QPlainTextEdit* editor);

  // Width that holds the largest line number with a small margin on both sides.
  int WantedWidth() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPlainTextEdit* FEditor;
};
