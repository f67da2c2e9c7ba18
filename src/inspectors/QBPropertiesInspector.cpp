#include "inspectors/QBPropertiesInspector.h"

#include "inspectors/QBGridCells.h"
#include "inspectors/QBGridSetup.h"
#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBPropertyTreeModel.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBDetailsLines.h"
#include "inspectors/parsers/QBPrintLayout.h"

#include "model/QBDisplayText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QTreeView>

TQBPropertiesInspector::TQBPropertiesInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBPropertiesInspector::CreateContent() {
  FGrid = new QTreeView(this);
  FGrid->setObjectName(QStringLiteral("grdProperties"));
  FGrid->setAccessibleName(QStringLiteral("Properties"));
  FModel = new TQBPropertyTreeModel(FGrid);
  FDelegate = SetUpGrid(*FGrid, new TQBCellDelegate(
                                    [this](QPainter& p, const QStyleOptionViewItem& option, const QModelIndex& index) {
                                      if (index.column() != 1) return false;
                                      DrawCell(p, 1, index, option.rect, option.state);
                                      return true;
                                    },
                                    FGrid));
  FDelegate->SetGridLines(true);
  FGrid->setHeader(new TQBGridHeader(
      [this](QPainter& p, int column, const QRect& rect) { DrawCell(p, column, {}, rect, QStyle::State_None); },
      FGrid));
  FGrid->setModel(FModel);
  FGrid->setIndentation(16);
  FGrid->setUniformRowHeights(true);
  FGrid->setAllColumnsShowFocus(true);
  FGrid->header()->setFixedHeight(16);
  FGrid->header()->setStretchLastSection(true);
  FGrid->header()->setSectionResizeMode(QHeaderView::Interactive);
  FGrid->setColumnWidth(0, 120);
  // The selection stays visible while another control has the focus.
  QPalette palette = FGrid->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  FGrid->setPalette(palette);
  connect(FGrid, &QTreeView::clicked, this, &TQBPropertiesInspector::RememberClicked);
  FMenu = new QMenu(this);
  FMenu->addAction(QStringLiteral("Copy Selected Property Value"), this, &TQBPropertiesInspector::CopySelectedValue);
  FMenu->addAction(QStringLiteral("Copy All Properties && Values"), this, &TQBPropertiesInspector::CopyContents);
  AttachPopupMenu(FGrid, FMenu);
  AddContent(FGrid);
}

void TQBPropertiesInspector::CreateToolButtons(QWidget* parent) {
  FCopyValue = AddToolButton(parent, QStringLiteral("Copy Value to Clipboard"), 8, false);
  connect(FCopyValue, &QToolButton::clicked, this, &TQBPropertiesInspector::CopySelectedValue);
}

void TQBPropertiesInspector::ImagesChanged() { FCopyValue->SetImages(Images()); }

QString TQBPropertiesInspector::GetColumnCaption(int index) const {
  return index == 0 ? QStringLiteral("Field") : QStringLiteral("Value");
}

const TQBPropertyTree& TQBPropertiesInspector::Properties() const { return FModel->Tree(); }

void TQBPropertiesInspector::Clear() {
  FModel->SetTree(TQBPropertyTree());
  ShowInPart({}, {});
}

void TQBPropertiesInspector::Inspect() {
  FLoading = true;
  struct TDone {
    bool& Loading;
    ~TDone() { Loading = false; }
  } done{FLoading};
  const QByteArrayView details = CurrentDetailsUtf8();
  const TQBShownLines shown =
      ShownLines(details, TQBLineBreaks::AsWritten, qbshown::MaxLines, qbshown::NoCharLimit);
  TQBPropertyTree tree;
  tree.AddIndentedLines(shown.Lines);
  ShowProperties(std::move(tree));
  ShowInPart(shown.Counts, details);
}

void TQBPropertiesInspector::ShowProperties(TQBPropertyTree tree) {
  FModel->SetTree(std::move(tree));
  FModel->SetCaptions(GetColumnCaption(0), GetColumnCaption(1));
  if (FRememberedPath.isEmpty()) return;
  const TQBPropertyTree::TNodeId node = FModel->Tree().FindByFullPath(FRememberedPath);
  if (node == TQBPropertyTree::None) return;
  const QModelIndex index = FModel->IndexOf(node);
  FGrid->setCurrentIndex(index);
  FGrid->scrollTo(index);
}

void TQBPropertiesInspector::RememberClicked() {
  if (FLoading) return;
  const QModelIndex current = FGrid->currentIndex();
  if (current.isValid()) FRememberedPath = FModel->Tree().FullPath(FModel->NodeOf(current));
}

void TQBPropertiesInspector::DrawCell(QPainter& painter, int column, const QModelIndex& row, const QRect& rect,
                                      QStyle::State state) {
  if (!row.isValid()) {
    const int textLeft = column == 0 ? FGrid->indentation() + 2 : 2;
    DrawHeaderCell(painter, rect, GetColumnCaption(column), column == 1, IsHeaderRightAligned(column), textLeft);
    return;
  }
  const bool selected = state & QStyle::State_Selected;
  if (selected) painter.fillRect(rect, FGrid->palette().color(QPalette::Highlight));
  painter.setPen(selected ? FGrid->palette().color(QPalette::HighlightedText) : FValueColor);
  const int textHeight = painter.fontMetrics().boundingRect(QStringLiteral("Yy")).height();
  const QRect text(rect.left() + 2, rect.top() + (rect.height() - textHeight) / 2, rect.width() - 4, textHeight);
  painter.setClipRect(rect);
  painter.drawText(text, (RightAlignValues() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                   VisibleBidiControls(FModel->Tree().Value(FModel->NodeOf(row))));
}

void TQBPropertiesInspector::SetValueColor(const QColor& color) {
  FValueColor = color;
  FGrid->viewport()->update();
}

void TQBPropertiesInspector::GetLines(QStringList& lines) { lines = FModel->Tree().GetLines(); }

void TQBPropertiesInspector::PrintLines(const QStringList& lines) {
  for (const QString& line : PropertyPrintLines(lines, PrintWidth())) PrintLine(line);
}

void TQBPropertiesInspector::SetContentFont(const QFont& font) { SetGridFont(*FGrid, *FDelegate, font); }

void TQBPropertiesInspector::SetContentPopupMenu(QMenu* menu) { AttachPopupMenu(FGrid, menu); }

void TQBPropertiesInspector::CopyContents() {
  QString text = WholeDetailsCopy();
  if (text.isNull()) {
    QStringList lines;
    GetLines(lines);
    text = JoinLinesCrLf(lines);
  }
  QGuiApplication::clipboard()->setText(text);
}

void TQBPropertiesInspector::CopySelectedValue() {
  const QModelIndex current = FGrid->currentIndex();
  if (current.isValid()) QGuiApplication::clipboard()->setText(FModel->Tree().Value(FModel->NodeOf(current)));
}
