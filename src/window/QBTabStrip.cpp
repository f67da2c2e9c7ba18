#include "window/QBTabStrip.h"

#include <QEvent>

QSize TQBTabStrip::Measured(int index, bool minimum) const {
  const auto measure = [&] { return minimum ? QTabBar::minimumTabSizeHint(index) : QTabBar::tabSizeHint(index); };
  if (index == currentIndex()) return measure();
  QHash<QString, QSize>& sizes = FSizes[minimum ? 1 : 0];
  const QString text = tabText(index);
  if (const auto it = sizes.constFind(text); it != sizes.cend()) return *it;
  const QSize size = measure();
  sizes.insert(text, size);
  return size;
}

QSize TQBTabStrip::tabSizeHint(int index) const { return Measured(index, false); }

QSize TQBTabStrip::minimumTabSizeHint(int index) const { return Measured(index, true); }

void TQBTabStrip::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
    for (QHash<QString, QSize>& sizes : FSizes) sizes.clear();
  QTabBar::changeEvent(event);
}
