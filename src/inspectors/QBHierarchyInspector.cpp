#include "inspectors/QBHierarchyInspector.h"

#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBDetailsLines.h"

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
}

void TQBHierarchyInspector::Inspect() {
  const QStringList lines = SplitDetailsLines(MessageSet.GetDetails());
  Clear();
  const QString typeName = MessageSet.GetTypeName();
  if (!typeName.isEmpty()) SetTitle(typeName);
  if (lines.isEmpty()) return;
  FNodes = ParseHierarchy(lines);
  // Nodes come parents first, so every parent item exists when its children are made.
  std::vector<QTreeWidgetItem*> items(FNodes.size());
  QList<QTreeWidgetItem*> roots;
  for (size_t i = 0; i < FNodes.size(); ++i) {
    const TQBHierarchyNode& node = FNodes[i];
    items[i] = node.Parent < 0 ? new QTreeWidgetItem(QStringList(node.Text))
                               : new QTreeWidgetItem(items[size_t(node.Parent)], QStringList(node.Text));
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
  QStringList lines;
  GetLines(lines);
  QGuiApplication::clipboard()->setText(JoinLinesCrLf(lines));
}

