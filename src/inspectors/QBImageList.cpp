#include "inspectors/QBImageList.h"

#include "QBResources.h"

void TQBImageList::SetImages(QList<QIcon> images) {
  FImages = std::move(images);
  emit Changed();
}

TQBImageList* NewInspectorImages(QObject* parent) {
  QBInitResources();
  static const char* const files[] = {"wordwrap", "jumptoend", "linenumbers", "scale",     "fullsize",
                                      "stretch",  "collapseall", "expandall",  "copyvalue"};
  QList<QIcon> images;
  for (const char* file : files)
    images.append(QIcon(QStringLiteral(":/icons/inspector/%1.svg").arg(QLatin1String(file))));
  auto* list = new TQBImageList(parent);
  list->setObjectName(QStringLiteral("imlInspectorImages"));
  list->SetImages(std::move(images));
  return list;
}
