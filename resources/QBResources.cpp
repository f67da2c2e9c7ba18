#include "QBResources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares the rcc initialiser, which must not sit in a namespace.
static void QBInitIconResources() {
  Q_INIT_RESOURCE(icons);
  Q_INIT_RESOURCE(images);
}

void QBInitResources() {
  QBInitIconResources();
}
