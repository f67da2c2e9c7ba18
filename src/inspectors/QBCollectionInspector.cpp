#include "inspectors/QBCollectionInspector.h"

#include "inspectors/QBPopupMenus.h"
#include "model/QBDisplayText.h"

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
  // Rows of one height: the list never measures a hundred thousand captions to lay itself out.
  FItems->setUniformItemSizes(true);
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
  Clear();
  const QByteArrayView details = CurrentDetailsUtf8();
  const TQBShownLines shown =
      ShownLines(details, TQBLineBreaks::AsWritten, qbshown::MaxLines, qbshown::NoCharLimit);
  FCollection = ParseCollection(shown.Lines);
  {
    const QSignalBlocker quiet(FItems);
    QStringList captions;
    captions.reserve(qsizetype(FCollection.size()));
    for (const TQBCollectionItem& item : FCollection) captions << VisibleBidiControls(item.Caption);
    // All at once: the list lays itself out once, not once per item.
    FItems->addItems(captions);
  }
  SetTitle(MessageSet.GetTypeName() + QStringLiteral(" Collection Items"));
  ShowInPart(shown.Counts, details);
  if (!FCollection.empty()) FItems->setCurrentRow(0);
}

void TQBCollectionInspector::ShowItem(int i) {
  if (i < 0 || size_t(i) >= FCollection.size()) return;
  TQBPropertyTree tree;
  for (const QString& entry : FCollection[size_t(i)].Entries) tree.AddPathLine(entry);
  ShowProperties(std::move(tree));
}

void TQBCollectionInspector::GetLines(QStringList& lines) { lines = CollectionLines(FCollection); }

void TQBCollectionInspector::CopyContents() {
  const QString whole = WholeDetailsCopy();
  QGuiApplication::clipboard()->setText(whole.isNull() ? CollectionCopyText(FCollection) : whole);
}

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
