#pragma once
// A panel with a vertical gradient of the button-face colour, flat border lines on chosen sides and an
// optional left-aligned caption: the inspectors' title and status bars, button panels and the pane
// toolbar.

#include <QWidget>

class TQBGradientPanel : public QWidget {
  Q_OBJECT
public:
  explicit TQBGradientPanel(QWidget* parent = nullptr);

  // Sides that get a 1-pixel line in the border colour.
  void SetBorderSides(Qt::Edges sides);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  // Blank pixels left of the caption.
  void SetTextMargin(int margin) { FTextMargin = margin; }

  // The colour of border lines and slanted edges drawn on these panels.
  static QColor BorderColor();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  Qt::Edges FBorders;
  QString FCaption;
  int FTextMargin = 0;
};
