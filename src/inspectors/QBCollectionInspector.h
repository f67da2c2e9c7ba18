#pragma once
// TQBCollectionInspector: the items of a collection ("caption|name=value;...") in a list beside a
// property grid that shows the entries of the selected item. The list sits above the grid in a tall
// inspector and left of it in a wide one.

#include "inspectors/QBObjectInspector.h"
#include "inspectors/parsers/QBCollectionParser.h"

#include <vector>

class QListWidget;
class QSplitter;

class TQBCollectionInspector : public TQBObjectInspector {
  Q_OBJECT
public:
  using TQBObjectInspector::TQBObjectInspector;

  void CreateContent() override;
  void Clear() override;
  void Inspect() override;
  void GetLines(QStringList& lines) override;
  void SetContentFont(const QFont& font) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;

  QListWidget* ItemList() const { return FItems; }
  // Shows the entries of item i in the grid.
  void ShowItem(int i);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  QSplitter* FSplitter = nullptr;
  QListWidget* FItems = nullptr;
  std::vector<TQBCollectionItem> FCollection;
};
