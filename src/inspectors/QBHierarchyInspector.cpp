#include "inspectors/QBHierarchyInspector.h"

#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBDetailsLines.h"
#include "model/QBDisplayText.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTreeWidget>

TQBHierarchyInspector::TQBHierarchyInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBHierarchyInspector::CreateContent() {
  FTree = new QTreeWidget(this);
  FTree->setObjectName(QStringLiteral("tvHierarchy"));
  FTree->setAccessibleName(QStringLiteral("Hierarchy"));
  FTree->setFrameShape(QFrame::NoFrame);
  FTree->setHeaderHidden(true);
  FTree->setColumnCount(1);
  FTree->setUniformRowHeights(true);
  AddContent(FTree);
}

void TQBHierarchyInspector::CreateToolButtons(QWidget* parent) {
  FCollapse = AddToolButton(parent, QStringLiteral("Collapse All"), 6, false);
  FExpand = AddToolButton(parent, QStringLiteral("Expand All"), 7, false);
  AddButtonGroove(parent);
  connect(FCollapse, &QToolButton::clicked, this, &TQBHierarchyInspector::CollapseAll);
  connect(FExpand, &QToolButton::clicked, this, &TQBHierarchyInspector::ExpandAll);
}

void TQBHierarchyInspector::ImagesChanged() {
  for (TQBToolButton* button : {FCollapse, FExpand}) button->SetImages(Images());
}

void TQBHierarchyInspector::Clear() {
  FTree->clear();
  FNodes.clear();
  ShowInPart({}, {});
}

void TQBHierarchyInspector::Inspect() {
  Clear();
  const QByteArrayView details = CurrentDetailsUtf8();
  const TQBShownLines shown =
      ShownLines(details, TQBLineBreaks::AsWritten, qbshown::MaxLines, qbshown::NoCharLimit);
  const QString typeName = MessageSet.GetTypeName();
  if (!typeName.isEmpty()) SetTitle(typeName);
  ShowInPart(shown.Counts, details);
  if (shown.Lines.isEmpty()) return;
  FNodes = ParseHierarchy(shown.Lines);
  // Nodes come parents first, so every parent item exists when its children are made.
  std::vector<QTreeWidgetItem*> items(FNodes.size());
  QList<QTreeWidgetItem*> roots;
  for (size_t i = 0; i < FNodes.size(); ++i) {
    const TQBHierarchyNode& node = FNodes[i];
    const QStringList text(VisibleBidiControls(node.Text));
    items[i] = node.Parent < 0 ? new QTreeWidgetItem(text) : new QTreeWidgetItem(items[size_t(node.Parent)], text);
    if (node.Parent < 0) roots.append(items[i]);
  }
  FTree->addTopLevelItems(roots);
  ExpandAll();
}

void TQBHierarchyInspector::CollapseAll() { FTree->collapseAll(); }

void TQBHierarchyInspector::ExpandAll() {
  FTree->expandAll();
  FTree->scrollToTop();
}

void TQBHierarchyInspector::GetLines(QStringList& lines) { lines = HierarchyLines(FNodes); }

void TQBHierarchyInspector::SetContentFont(const QFont& font) { FTree->setFont(font); }

void TQBHierarchyInspector::SetContentPopupMenu(QMenu* menu) { AttachPopupMenu(FTree, menu); }

void TQBHierarchyInspector::CopyContents() {
  QString text = WholeDetailsCopy();
  if (text.isNull()) {
    QStringList lines;
    GetLines(lines);
    text = JoinLinesCrLf(lines);
  }
  QGuiApplication::clipboard()->setText(text);
}

