#include "inspectors/QBStockInspector.h"

#include "inspectors/QBGradientPanel.h"
#include "inspectors/QBImageList.h"
#include "inspectors/QBInspectorToolbar.h"
#include "inspectors/QBPrintJob.h"
#include "inspectors/QBToolButtons.h"

#include <QVBoxLayout>

TQBStockInspector::TQBStockInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : QWidget(owner), FToolbar(toolbar) {
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

TQBStockInspector::~TQBStockInspector() { delete FButtonPanel.data(); }

void TQBStockInspector::Construct() {
  CreateButtonPanel(FToolbar);
  CreateTitleBar();
  CreateStatusBar();
  CreateContent();
}

void TQBStockInspector::CreateButtonPanel(TQBInspectorToolbar* toolbar) {
  auto* panel = new QWidget;
  panel->setObjectName(objectName().isEmpty() ? QStringLiteral("pnlInspectorButtons")
                                              : QStringLiteral("pnl%1Buttons").arg(objectName()));
  SetUpButtonRow(panel);
  panel->layout()->setContentsMargins(0, 2, 0, 1);
  // Adding many buttons one by one would lay the row out again each time.
  panel->setUpdatesEnabled(false);
  CreateToolButtons(panel);
  panel->setUpdatesEnabled(true);
  panel->hide();
  if (toolbar) toolbar->AddButtonPanel(panel);
  FButtonPanel = panel;
}

void TQBStockInspector::CreateTitleBar() {
  FTitleBar = new TQBGradientPanel(this);
  FTitleBar->setObjectName(QStringLiteral("pnlTitle"));
  FTitleBar->setFixedHeight(17);
  FTitleBar->SetBorderSides(Qt::BottomEdge);
  FTitleBar->SetTextMargin(4);
  FTitleBar->setVisible(HasTitleBar());
  static_cast<QVBoxLayout*>(layout())->insertWidget(0, FTitleBar);
}

void TQBStockInspector::CreateStatusBar() {
  FStatusBar = new TQBGradientPanel(this);
  FStatusBar->setObjectName(QStringLiteral("pnlStatus"));
  FStatusBar->setFixedHeight(21);
  FStatusBar->SetBorderSides(Qt::TopEdge);
  FStatusBar->SetTextMargin(4);
  FStatusBar->setVisible(HasStatusBar());
  layout()->addWidget(FStatusBar);
}

void TQBStockInspector::AddContent(QWidget* content) {
  auto* column = static_cast<QVBoxLayout*>(layout());
  column->insertWidget(column->count() - 1, content, 1);
}

void TQBStockInspector::ShowInspector() {
  if (FButtonPanel) {
    FButtonPanel->show();
    FButtonPanel->repaint();
  }
  show();
}

void TQBStockInspector::HideInspector() {
  hide();
  if (FButtonPanel) FButtonPanel->hide();
}

void TQBStockInspector::SetImages(TQBImageList* images) {
  if (FImages) disconnect(FImages, nullptr, this, nullptr);
  FImages = images;
  if (images) {
    ImagesChanged();
    connect(images, &TQBImageList::Changed, this, [this] {
      ImagesChanged();
      update();
    });
  }
  update();
}

QString TQBStockInspector::GetTitle() const { return FTitleBar->Caption(); }
void TQBStockInspector::SetTitle(const QString& title) { FTitleBar->SetCaption(title); }
QString TQBStockInspector::GetStatus() const { return FStatusBar->Caption(); }
void TQBStockInspector::SetStatus(const QString& status) { FStatusBar->SetCaption(status); }

void TQBStockInspector::Clear() {
  SetTitle({});
  SetStatus({});
}

void TQBStockInspector::SetFrameFont(const QFont& font, int height) {
  setFont(font);
  FTitleBar->setFixedHeight(height + 2);
  FStatusBar->setFixedHeight(height + 6);
}

void TQBStockInspector::PrintLines(const QStringList& lines) {
  for (const QString& line : lines) PrintLine(line);
}

void TQBStockInspector::PrintText(const QString& text) {
  if (FPrintJob) FPrintJob->PrintText(text);
}

void TQBStockInspector::PrintLine(const QString& text) {
  if (FPrintJob) FPrintJob->PrintLine(text);
}

void TQBStockInspector::PrintContents(const QString& title) {
  QStringList lines;
  GetLines(lines);
  TQBPrintJob job(QBSharedPrinter(), title);
  FPrintJob = &job;
  struct TForget {
    TQBPrintJob*& Job;
    ~TForget() { Job = nullptr; }
  } forget{FPrintJob};
  PrintLines(lines);
}
