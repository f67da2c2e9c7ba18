#include "inspectors/QBMemoryStatusInspector.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
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
  Grid()->setColumnWidth(1, figure + 4);
}

void TQBMemoryStatusInspector::CreateContent() {
  TQBPropertiesInspector::CreateContent();
  // Both widths are set here; a stretching last column would keep a width of its own.
  Grid()->header()->setStretchLastSection(false);
  Grid()->viewport()->installEventFilter(this);
}

bool TQBMemoryStatusInspector::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Grid()->viewport() && event->type() == QEvent::Resize) FitNameColumn();
  return TQBPropertiesInspector::eventFilter(watched, event);
}
