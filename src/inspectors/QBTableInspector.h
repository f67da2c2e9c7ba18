#pragma once
// TQBTableInspector: a details table (tab-separated fields, the first line the header) in a grid.

#include "inspectors/QBStockInspector.h"

#include <QStyle>

class QTableView;
class TQBCellDelegate;
class TQBTableModel;

class TQBTableInspector : public TQBStockInspector {
  Q_OBJECT
public:
  TQBTableInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void Clear() override;
  void Inspect() override;
  void GetLines(QStringList& lines) override;
  void PrintLines(const QStringList& lines) override;
  void SetContentFont(const QFont& font) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;

  virtual bool IsHeaderRightAligned(int column) const { return (void)column, false; }
  // Draws a header cell (row 0); data cells are drawn by the grid.
  virtual void DrawCell(QPainter& painter, int column, int row, const QRect& rect, QStyle::State state);

  QTableView* Grid() const { return FGrid; }
  const TQBTableModel& Model() const { return *FModel; }
  // The context menu's copies of the selected row (no line break at the end).
  void CopySelectedRowValues();
  void CopySelectedRowAsProperties();

private:
  int SelectedTableRow() const;
  void FitColumns();

  QTableView* FGrid = nullptr;
  TQBTableModel* FModel = nullptr;
  TQBCellDelegate* FDelegate = nullptr;
  QMenu* FMenu = nullptr;
};
