#pragma once
// TQBPropertiesInspector: name=value lines, nested by indentation, in a two-column tree grid. The
// property last clicked is remembered by its full path and selected again in the next message that
// has it.

#include "inspectors/QBStockInspector.h"
#include "inspectors/parsers/QBPropertyTree.h"

#include <QColor>
#include <QStyle>

class QTreeView;
class TQBCellDelegate;
class TQBPropertyTreeModel;
class TQBToolButton;

class TQBPropertiesInspector : public TQBStockInspector {
  Q_OBJECT
public:
  TQBPropertiesInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void CreateToolButtons(QWidget* parent) override;
  void Clear() override;
  void Inspect() override;
  void GetLines(QStringList& lines) override;
  void PrintLines(const QStringList& lines) override;
  void SetContentFont(const QFont& font) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;
  void ImagesChanged() override;

  // Header caption of column 0 (name) or 1 (value).
  virtual QString GetColumnCaption(int index) const;
  virtual bool IsHeaderRightAligned(int column) const { return RightAlignValues() && column == 1; }
  virtual bool RightAlignValues() const { return false; }
  // Draws a header cell (invalid row) or a value cell; names are drawn by the grid.
  virtual void DrawCell(QPainter& painter, int column, const QModelIndex& row, const QRect& rect, QStyle::State state);
  virtual void SetValueColor(const QColor& color);

  QTreeView* Grid() const { return FGrid; }
  const TQBPropertyTree& Properties() const;
  QString RememberedPath() const { return FRememberedPath; }
  // "Copy Value to Clipboard" and "Copy Selected Property Value".
  void CopySelectedValue();

protected:
  // Shows a filled tree with this inspector's captions and selects the remembered property again.
  void ShowProperties(TQBPropertyTree tree);
  TQBCellDelegate* Delegate() const { return FDelegate; }

private:
  void RememberClicked();

  QTreeView* FGrid = nullptr;
  TQBPropertyTreeModel* FModel = nullptr;
  TQBCellDelegate* FDelegate = nullptr;
  TQBToolButton* FCopyValue = nullptr;
  QMenu* FMenu = nullptr;
  QColor FValueColor = Qt::darkBlue;
  bool FLoading = false;
  QString FRememberedPath;
};
