#include "inspectors/QBStockInspector.h"

#include "inspectors/QBGradientPanel.h"
#include "inspectors/QBImageList.h"
#include "inspectors/QBInspectorToolbar.h"
#include "inspectors/QBPrintJob.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBPrintLayout.h"

#include "model/QBDisplayText.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QLabel>
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
// Titles carry logged names (an object's name, a type name): shown with their bidirectional controls
// as marks, like every logged text.
void TQBStockInspector::SetTitle(const QString& title) { FTitleBar->SetCaption(VisibleBidiControls(title)); }
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

QString TQBStockInspector::ShownNotice() const { return FNoticeBar ? FNoticeBar->text() : QString(); }

void TQBStockInspector::SetShownNotice(const QString& notice) {
  if (!FNoticeBar) {
    if (notice.isEmpty()) return;
    FNoticeBar = new QLabel(this);
    FNoticeBar->setObjectName(QStringLiteral("lblShownNotice"));
    FNoticeBar->setAccessibleName(QStringLiteral("Shown in part"));
    FNoticeBar->setWordWrap(true);
    FNoticeBar->setMargin(3);
    FNoticeBar->setAutoFillBackground(true);
    FNoticeBar->setBackgroundRole(QPalette::ToolTipBase);
    FNoticeBar->setForegroundRole(QPalette::ToolTipText);
    // Below the title bar, above the content.
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, FNoticeBar);
  }
  FNoticeBar->setText(notice);
  FNoticeBar->setVisible(!notice.isEmpty());
}

namespace {
// The current record's bytes as At gives them; the cursor may stand on no record (an empty store).
TQBMessageRef CurrentRecord() { return MessageSet.At(MessageSet.RecNo()); }
bool HasCurrentRecord() { return MessageSet.RecNo() >= 1 && MessageSet.RecNo() <= MessageSet.GetRecordCount(); }
}  // namespace

QByteArrayView TQBStockInspector::CurrentMsgTextUtf8() {
  return HasCurrentRecord() ? CurrentRecord().MsgTextUtf8() : QByteArrayView();
}

QByteArrayView TQBStockInspector::CurrentDetailsUtf8() {
  return HasCurrentRecord() ? CurrentRecord().DetailsUtf8() : QByteArrayView();
}

void TQBStockInspector::ShowInPart(const TQBShownCounts& counts, QByteArrayView details) {
  SetShownNotice(ShownNoticeText(counts));
  FWholeDetails = counts.Complete() ? QByteArray() : details.toByteArray();
}

QString TQBStockInspector::WholeDetailsCopy() const {
  return FWholeDetails.isNull() ? QString() : CrLfLines(FWholeDetails);
}

void TQBStockInspector::PrintLines(const QStringList& lines) {
  for (const QString& line : lines) PrintLine(line);
}

// A print-out is a display too: bidirectional controls are printed as marks.
qsizetype TQBStockInspector::PrintWidth() const { return FPrintJob ? FPrintJob->CharsPerLine() : NoPrintWidth; }

void TQBStockInspector::PrintText(const QString& text) {
  if (FPrintJob) FPrintJob->PrintText(VisibleBidiControls(text));
}

void TQBStockInspector::PrintLine(const QString& text) {
  if (FPrintJob) FPrintJob->PrintLine(VisibleBidiControls(text));
}

void TQBStockInspector::PrintContents(const QString& title) {
  QStringList lines;
  GetLines(lines);
  TQBPrintJob job(QBSharedPrinter(), VisibleBidiControls(title));
  FPrintJob = &job;
  struct TForget {
    TQBPrintJob*& Job;
    ~TForget() { Job = nullptr; }
  } forget{FPrintJob};
  PrintLines(lines);
  if (const QString notice = ShownNotice(); !notice.isEmpty()) PrintLine(notice);
}
