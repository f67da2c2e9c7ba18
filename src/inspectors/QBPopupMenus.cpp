#include "inspectors/QBPopupMenus.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPointer>

void AttachPopupMenu(QWidget* control, QMenu* menu) {
  // Scroll areas report context requests for their viewport.
  auto* area = qobject_cast<QAbstractScrollArea*>(control);
  QWidget* target = area ? area->viewport() : control;
  QObject::disconnect(target, &QWidget::customContextMenuRequested, nullptr, nullptr);
  if (!menu) {
    target->setContextMenuPolicy(Qt::DefaultContextMenu);
    return;
  }
  target->setContextMenuPolicy(Qt::CustomContextMenu);
  QPointer<QMenu> shared(menu);
  QObject::connect(target, &QWidget::customContextMenuRequested, target, [target, shared](const QPoint& at) {
    if (shared) shared->popup(target->mapToGlobal(at));
  });
}
