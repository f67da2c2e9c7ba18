#include "inspectors/QBTableInspector.h"

#include "inspectors/QBGridCells.h"
#include "inspectors/QBGridSetup.h"
#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBTableModel.h"
#include "inspectors/parsers/QBDetailsLines.h"
#include "inspectors/parsers/QBPrintLayout.h"
#include "model/QBDisplayText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QTableView>

namespace {
// Data cells get the 2-pixel text margin that the column widths (text width + 4) leave room for; the
// style's own item margins would cut the widest text short.
bool DrawDataCell(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& palette = option.palette;
  if (selected) painter.fillRect(option.rect, palette.color(QPalette::Highlight));
  painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter.setClipRect(option.rect);
  painter.drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
  return true;
}
}  // namespace

TQBTableInspector::TQBTableInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBTableInspector::CreateContent() {
  FGrid = new QTableView(this);
  FGrid->setObjectName(QStringLiteral("grdTable"));
  FGrid->setAccessibleName(QStringLiteral("Table"));
  FModel = new TQBTableModel(FGrid);
  FDelegate = SetUpGrid(*FGrid, new TQBCellDelegate(DrawDataCell, FGrid));
  FGrid->setHorizontalHeader(new TQBGridHeader(
      [this](QPainter& p, int column, const QRect& rect) { DrawCell(p, column, 0, rect, QStyle::State_None); }, FGrid));
  FGrid->setModel(FModel);
  FGrid->verticalHeader()->hide();
  FGrid->verticalHeader()->setDefaultSectionSize(16);
  FGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FGrid->horizontalHeader()->setFixedHeight(16);
  FGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  FGrid->horizontalHeader()->setDefaultSectionSize(64);
  FGrid->setShowGrid(true);
  FGrid->setWordWrap(false);
  FMenu = new QMenu(this);
  FMenu->addAction(QStringLiteral("Copy Selected Row Values"), this, &TQBTableInspector::CopySelectedRowValues);
  FMenu->addAction(QStringLiteral("Copy Selected Row Values (as Properties)"), this,
                   &TQBTableInspector::CopySelectedRowAsProperties);
  FMenu->addAction(QStringLiteral("Copy All Rows"), this, &TQBTableInspector::CopyContents);
  AttachPopupMenu(FGrid, FMenu);
  AddContent(FGrid);
}

void TQBTableInspector::Clear() {
  FModel->SetTable(TQBTable());
  ShowInPart({}, {});
}

void TQBTableInspector::Inspect() {
  Clear();
  const QByteArrayView details = CurrentDetailsUtf8();
  TQBShownTable shown = ParseShownTable(details);
  FModel->SetTable(std::move(shown.Table));
  ShowInPart(shown.Counts, details);
  FitColumns();
}

void TQBTableInspector::FitColumns() {
  const TQBTable& table = FModel->Table();
  const QFontMetrics metrics(FGrid->font());
  std::vector<int> widths(size_t(table.ColumnCount()), 0);
  // Columns repeat their values (states, units, dates): each distinct text is measured once.
  QHash<QString, int> measured;
  for (int row = 0; row < table.RowCount(); ++row) {
    const QStringList& fields = table.RowFields(row);
    for (qsizetype c = 0; c < fields.size(); ++c) {
      auto width = measured.constFind(fields[c]);
      if (width == measured.constEnd())
        width = measured.insert(fields[c], metrics.horizontalAdvance(VisibleBidiControls(fields[c])));
      widths[size_t(c)] = std::max(widths[size_t(c)], *width);
    }
  }
  for (size_t c = 0; c < widths.size(); ++c) FGrid->setColumnWidth(int(c), widths[c] + 4);
}

void TQBTableInspector::DrawCell(QPainter& painter, int column, int row, const QRect& rect, QStyle::State) {
  if (row != 0) return;
  const bool last = column == FModel->columnCount() - 1;
  DrawHeaderCell(painter, rect, VisibleBidiControls(FModel->Table().Cell(column, 0)), last,
                 IsHeaderRightAligned(column));
}

void TQBTableInspector::GetLines(QStringList& lines) { lines = FModel->Table().GetLines(); }

void TQBTableInspector::PrintLines(const QStringList& lines) {
  for (const QString& line : TablePrintLines(lines, PrintWidth())) PrintLine(line);
}

void TQBTableInspector::SetContentFont(const QFont& font) {
  SetGridFont(*FGrid, *FDelegate, font);
  FitColumns();
}

void TQBTableInspector::SetContentPopupMenu(QMenu* menu) { AttachPopupMenu(FGrid, menu); }

void TQBTableInspector::CopyContents() {
  const QString whole = WholeDetailsCopy();
  QGuiApplication::clipboard()->setText(whole.isNull() ? JoinLinesCrLf(FModel->Table().GetLines()) : whole);
}

int TQBTableInspector::SelectedTableRow() const {
  const QModelIndexList rows = FGrid->selectionModel()->selectedRows();
  int top = rows.isEmpty() ? FGrid->currentIndex().row() : rows.first().row();
  for (const QModelIndex& index : rows) top = std::min(top, index.row());
  return top < 0 ? -1 : top + 1;
}

void TQBTableInspector::CopySelectedRowValues() {
  const int row = SelectedTableRow();
  if (row > 0) QGuiApplication::clipboard()->setText(FModel->Table().RowValues(row));
}

void TQBTableInspector::CopySelectedRowAsProperties() {
  const int row = SelectedTableRow();
  if (row > 0) QGuiApplication::clipboard()->setText(FModel->Table().RowAsProperties(row));
}
