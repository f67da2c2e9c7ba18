#pragma once
// TQBColorInspector: a colour given as lines red, green, blue and alpha, shown as its R G B A and
// H S L values above a swatch.

#include "inspectors/QBStockInspector.h"

#include <QColor>

#include <array>

class QLabel;
class TQBGradientPanel;

class TQBColorInspector : public TQBStockInspector {
  Q_OBJECT
public:
  TQBColorInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void Clear() override;
  // Throws std::invalid_argument for lines that are not a colour; the panes keep their values.
  void Inspect() override;
  void SetContentFont(const QFont& font) override;
  void SetFrameFont(const QFont& font, int height) override;
  // Copies what the inspector shows: the seven values as "R<tab>value" lines, and the colour itself
  // for programs that paste colours.
  void CopyContents() override;
  // The text colour of the seven value panes.
  virtual void SetValueColor(const QColor& color);

  // Value panes in the order R, G, B, A, H, S, L.
  QLabel* ValuePane(int i) const { return FValues[size_t(i)]; }
  QColor SwatchColor() const;

private:
  void LayOut();
  void SetSwatch(const QColor& color);

  TQBGradientPanel* FPanel = nullptr;
  std::array<QLabel*, 7> FCaptions{};
  std::array<QLabel*, 7> FValues{};
  QWidget* FSwatch = nullptr;
  QColor FValueColor = Qt::darkBlue;
};
