#include "inspectors/QBCallStackList.h"

namespace {
constexpr int RowRole = Qt::UserRole;
}

TQBCallStackList::TQBCallStackList(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("lstCallStack"));
  setAccessibleName(QStringLiteral("Call Stack"));
  setFrameShape(QFrame::NoFrame);
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit RowChosen(item->data(RowRole).toInt()); });
}

void TQBCallStackList::Fill(const std::vector<TQBCallStackEntry>& entries) {
  clear();
  for (const TQBCallStackEntry& entry : entries) {
    auto* item = new QListWidgetItem(entry.Text, this);
    item->setData(RowRole, entry.Row);
  }
}
