#pragma once
// TQBMemoryStatusInspector: memory statistics with their figures right-aligned in a value column just
// wide enough for a 13-character figure.

#include "inspectors/QBPropertiesInspector.h"

class TQBMemoryStatusInspector : public TQBPropertiesInspector {
  Q_OBJECT
public:
  using TQBPropertiesInspector::TQBPropertiesInspector;

  void Inspect() override;
  QString GetColumnCaption(int index) const override;
  bool RightAlignValues() const override { return true; }

  void CreateContent() override;

protected:
  // The grid's width changes with the pane; the value column keeps its width.
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void FitNameColumn();
};
