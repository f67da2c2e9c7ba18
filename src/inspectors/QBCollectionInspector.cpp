#include "inspectors/QBCollectionInspector.h"

#include "inspectors/QBPopupMenus.h"
#include "inspectors/parsers/QBDetailsLines.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTreeView>

void TQBCollectionInspector::CreateContent() {
  TQBObjectInspector::CreateContent();
  FSplitter = new QSplitter(Qt::Vertical, this);
  FSplitter->setObjectName(QStringLiteral("pnlCollectionItems"));
  FSplitter->setChildrenCollapsible(false);
  FItems = new QListWidget(FSplitter);
  FItems->setObjectName(QStringLiteral("lstCollectionItems"));
  FItems->setFrameShape(QFrame::NoFrame);
  FItems->setAccessibleName(QStringLiteral("Collection Items"));
  // The grid moves from the inspector into the splitter, below (or right of) the item list.
  layout()->removeWidget(Grid());
  FSplitter->addWidget(FItems);
  FSplitter->addWidget(Grid());
  FSplitter->setSizes({88, 200});
  AddContent(FSplitter);
  connect(FItems, &QListWidget::currentRowChanged, this, &TQBCollectionInspector::ShowItem);
}

void TQBCollectionInspector::Clear() {
  TQBObjectInspector::Clear();
  const QSignalBlocker quiet(FItems);
  FItems->clear();
  FCollection.clear();
}

void TQBCollectionInspector::Inspect() {
  const QStringList lines = SplitDetailsLines(MessageSet.GetDetails());
  Clear();
  FCollection = ParseCollection(lines);
  {
    const QSignalBlocker quiet(FItems);
    for (const TQBCollectionItem& item : FCollection) FItems->addItem(item.Caption);
  }
  SetTitle(MessageSet.GetTypeName() + QStringLiteral(" Collection Items"));
  if (!FCollection.empty()) FItems->setCurrentRow(0);
}

void TQBCollectionInspector::ShowItem(int i) {
  if (i < 0 || size_t(i) >= FCollection.size()) return;
  TQBPropertyTree tree;
  for (const QString& entry : FCollection[size_t(i)].Entries) tree.AddPathLine(entry);
  ShowProperties(std::move(tree));
}

void TQBCollectionInspector::GetLines(QStringList& lines) { lines = CollectionLines(FCollection); }

void TQBCollectionInspector::CopyContents() { QGuiApplication::clipboard()->setText(CollectionCopyText(FCollection)); }

void TQBCollectionInspector::SetContentFont(const QFont& font) {
  TQBObjectInspector::SetContentFont(font);
  FItems->setFont(font);
}

void TQBCollectionInspector::SetContentPopupMenu(QMenu* menu) {
  TQBObjectInspector::SetContentPopupMenu(menu);
  AttachPopupMenu(FItems, menu);
}

void TQBCollectionInspector::resizeEvent(QResizeEvent* event) {
  TQBObjectInspector::resizeEvent(event);
  const bool tall = width() < 2 * height();
  FSplitter->setOrientation(tall ? Qt::Vertical : Qt::Horizontal);
  const int total = tall ? FSplitter->height() : FSplitter->width();
  const int list = (tall ? height() : width()) / 3;
  FSplitter->setSizes({list, std::max(0, total - list)});
}
