#include "inspectors/QBMemoryStatusInspector.h"

#include <QFontMetrics>
#include <QTreeView>

void TQBMemoryStatusInspector::Inspect() {
  TQBPropertiesInspector::Inspect();
  FitNameColumn();
}

QString TQBMemoryStatusInspector::GetColumnCaption(int index) const {
  return index == 0 ? QStringLiteral("Statistic") : QStringLiteral("Value");
}

void TQBMemoryStatusInspector::FitNameColumn() {
  const int figure = QFontMetrics(Grid()->font()).horizontalAdvance(QStringLiteral("0,000,000,000"));
  Grid()->setColumnWidth(0, std::max(0, Grid()->viewport()->width() - figure - 4));
}

void TQBMemoryStatusInspector::resizeEvent(QResizeEvent* event) {
  TQBPropertiesInspector::resizeEvent(event);
  FitNameColumn();
}
