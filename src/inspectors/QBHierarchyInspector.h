#pragma once
// TQBHierarchyInspector: tab-indented details lines as a tree, titled with the type name.

#include "inspectors/QBStockInspector.h"
#include "inspectors/parsers/QBHierarchyParser.h"

#include <vector>

class QTreeWidget;
class TQBToolButton;

class TQBHierarchyInspector : public TQBStockInspector {
  Q_OBJECT
public:
  TQBHierarchyInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void CreateToolButtons(QWidget* parent) override;
  bool HasTitleBar() const override { return true; }
  // Removes all nodes; the title stays.
  void Clear() override;
  void Inspect() override;
  void GetLines(QStringList& lines) override;
  void SetContentFont(const QFont& font) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;
  void ImagesChanged() override;

  QTreeWidget* Tree() const { return FTree; }
  void CollapseAll();
  void ExpandAll();

private:
  QTreeWidget* FTree = nullptr;
  TQBToolButton* FCollapse = nullptr;
  TQBToolButton* FExpand = nullptr;
  std::vector<TQBHierarchyNode> FNodes;
};
