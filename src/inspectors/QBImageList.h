#pragma once
// An image list: numbered icons shared by several controls, which repaint when the list changes and
// forget it when it is destroyed (QObject::destroyed).

#include <QIcon>
#include <QList>
#include <QObject>

class TQBImageList : public QObject {
  Q_OBJECT
public:
  explicit TQBImageList(QObject* parent = nullptr) : QObject(parent) {}

  int Count() const { return int(FImages.size()); }
  // A null icon for an index outside the list.
  QIcon Image(int index) const { return index >= 0 && index < Count() ? FImages[index] : QIcon(); }
  void SetImages(QList<QIcon> images);

signals:
  void Changed();

private:
  QList<QIcon> FImages;
};

// imlInspectorImages: the images of the inspectors' tool buttons, 0 word wrap, 1 jump to end,
// 2 line numbers, 3 scale, 4 full size, 5 stretch, 6 collapse all, 7 expand all, 8 copy value.
TQBImageList* NewInspectorImages(QObject* parent);
