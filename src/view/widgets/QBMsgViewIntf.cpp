// The view interfaces of TQBMessageView, over the view's core.
#include "view/widgets/QBMsgView.h"

#include "view/QBClipboardText.h"
#include "view/QBLogSave.h"
#include "view/widgets/QBMsgViewHost.h"
#include "view/QBTextExport.h"
#include "view/QBViewRegistry.h"
#include "view/QBXmlExport.h"

#include "view/widgets/QBMsgViewDialogs.h"
#include "view/widgets/QBReportPrinter.h"
#include "view/widgets/QBSharedPrinter.h"

#include "model/QBMessageTypes.h"

#include <QClipboard>
#include <QGuiApplication>

#include <stdexcept>

void TQBMessageView::LoadFilter(const IQBSettingsReader& reader) {
  qbviewregistry::ReplaceCriteria(*this, [&] { FModel.LoadFilter(reader); });
}

void TQBMessageView::SetFilterCriteria(const TQBFilterCriteria& criteria) {
  qbviewregistry::ReplaceCriteria(*this, [&] { FModel.SetFilterCriteria(criteria); });
}

void TQBMessageView::SetViewName(const QString& name) {
  FViewName = name;
  setAccessibleName(name);
}

bool TQBMessageView::IsRowSelected(int row) const {
  return ValidRow(row) && FModel.Rows().IsRowSelected(row);
}

void TQBMessageView::SetRowSelected(int row, bool value) {
  if (ValidRow(row)) FModel.Rows().SetRowSelected(row, value);
}

int TQBMessageView::GetRowRecNo(int row) const {
  return ValidRow(row) ? FModel.Rows().GetRowRecNo(row) : -1;
}

int TQBMessageView::GetRowLevel(int row) const {
  return ValidRow(row) ? FModel.Rows().GetRowLevel(row) : 0;
}

void TQBMessageView::GotoRowMessage(int row) {
  if (ValidRow(row)) FModel.Rows().GotoRowMessage(row);
}

int TQBMessageView::DeleteSelected() {
  return FModel.Rows().DeleteSelected();
}

int TQBMessageView::CropToSelection() {
  return FModel.Rows().CropToSelection();
}

void TQBMessageView::SelectAll() {
  SelectAllRows();
}

void TQBMessageView::CopyToClipboard() {
  if (const auto text = ClipboardTextOf(FModel.Rows())) QGuiApplication::clipboard()->setText(*text);
}

void TQBMessageView::GetSelectedRange(int& first, int& last) const {
  if (!FModel.Rows().GetSelectedRange(first, last)) first = last = -1;
}

// ---------------------------------------------------------------------------------------------------
// Navigation

void TQBMessageView::GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const {
  FNavigator.GetNavigationState(typeCode, hasPrevious, hasNext);
}

void TQBMessageView::NavigateToType(int kind, int32_t typeCode) {
  if (kind >= 0 && kind <= 3) FNavigator.NavigateToType(TQBNavigateKind(kind), typeCode);
}

void TQBMessageView::NavigateTimeDiff(int kind, int thresholdMs) {
  if (kind >= 0 && kind <= 3) FNavigator.NavigateTimeDiff(TQBNavigateKind(kind), thresholdMs);
}

IQBMsgViewDialogs* TQBMessageView::Dialogs() const {
  return FDialogs ? FDialogs : qbmsgviewdialogs::Installed();
}

void TQBMessageView::JumpToMessage() {
  int row = 0;
  if (IQBMsgViewDialogs* dialogs = Dialogs(); dialogs && dialogs->AskJumpToRow(this, row)) FNavigator.SelectRow(row);
}

void TQBMessageView::GetCallStack(QStringList& list) const {
  std::vector<TQBCallStackEntry> entries;
  if (!FNavigator.GetCallStack(entries)) return;
  list.clear();
  for (const TQBCallStackEntry& e : entries) list << e.Text;
}

// ---------------------------------------------------------------------------------------------------
// Methods

bool TQBMessageView::IsMethodCollapsed(int row) const {
  return ValidRow(row) && FModel.Rows().IsMethodCollapsed(row);
}

void TQBMessageView::CollapseMethod(int row) {
  if (ValidRow(row)) FModel.Rows().CollapseMethod(row);
}

void TQBMessageView::ExpandMethod(int row) {
  if (ValidRow(row)) FModel.Rows().ExpandMethod(row);
}

// ---------------------------------------------------------------------------------------------------
// Editing

QRect TQBMessageView::EditorRect(int row) const {
  // Directly below the row, 2 pixels in from each side, kept above the view's bottom edge.
  const QRect line = RowRect(row);
  const QPoint topLeft = viewport()->mapToGlobal(QPoint(line.left() + 2, line.bottom() + 1 + 2));
  return QRect(topLeft, QSize(line.width() - 4, 0));
}

void TQBMessageView::EditMessage(int row) {
  if (!ValidRow(row)) return;
  TQuillboxMessageSet& set = FModel.MessageSet();
  FModel.Rows().GotoRowMessage(row);
  const int32_t type = set.GetMsgType();
  if (type == qbmSeparator || type == qbmInactiveSeparator) return;
  MakeVisible(row);
  const QRect below = EditorRect(row);
  const int viewBottom = mapToGlobal(QPoint(0, height())).y();
  QString text = set.GetMsgText();
  IQBMsgViewDialogs* dialogs = Dialogs();
  if (!dialogs || !dialogs->AskEditedText(this, FDisplay.Font, below, viewBottom, text)) return;
  set.Edit();
  try {
    set.SetMsgText(text);
  } catch (...) {
    set.Post();
    throw;
  }
  set.Post();
  NotifySelectionChanged();
  RepaintAllRows();
}

// ---------------------------------------------------------------------------------------------------
// Printing

namespace {

// The job's progress in the host's progress pane and in the modal progress of the dialogs; the pane is
// reset when the job ends, also when it fails.
class TPrintProgress final : public IQBPrintProgress {
public:
  TPrintProgress(IQBProgressSink& pane, std::unique_ptr<IQBPrintProgress> modal) : FPane(pane), FModal(std::move(modal)) {}
  ~TPrintProgress() override { FPane.SetProgressTotal(0); }
  void Start(int total) override {
    FPane.SetProgressTotal(total);
    if (FModal) FModal->Start(total);
  }
  bool Step() override {
    FPane.StepProgress();
    return !FModal || FModal->Step();
  }

private:
  IQBProgressSink& FPane;
  std::unique_ptr<IQBPrintProgress> FModal;
};

}  // namespace

void TQBMessageView::Print(const QString& title, bool selectionOnly, int fontSize, uint16_t columns) {
  HideHint();
  TQBReportLook look;
  look.MessageIcons = ViewerHost ? ViewerHost->GetImageList(1) : qbicons::MessageIcons();
  look.SeparatorColor = FDisplay.SeparatorColor;
  look.InactiveSeparatorColor = FDisplay.InactiveSeparatorColor;
  look.AppStartSeparatorColor = FDisplay.AppStartSeparatorColor;
  IQBMsgViewDialogs* dialogs = Dialogs();
  TPrintProgress progress(*FHostHooks, dialogs ? dialogs->BeginPrintProgress(this, title) : nullptr);
  QBPrintViewReport(QBSharedPrinter(), FModel.Rows(), {title, selectionOnly, columns}, fontSize, look, &progress);
}

// ---------------------------------------------------------------------------------------------------
// Files

void TQBMessageView::SaveToFile(const QString& fileName) {
  RaiseSaveFailure(SaveViewToFile(FModel.Rows(), fileName, FHostHooks.get()), fileName);
}

void TQBMessageView::ExportXML(const QString& fileName) {
  QString error;
  if (!ExportViewXml(FModel.Rows(), fileName, FHostHooks.get(), &error)) throw std::runtime_error(error.toStdString());
}

void TQBMessageView::ExportText(const QString& fileName) {
  QString error;
  const TQBTextExportOptions options{FDisplay.Columns, FDisplay.Flatten};
  if (!ExportViewText(FModel.Rows(), fileName, options, FHostHooks.get(), &error))
    throw std::runtime_error(error.toStdString());
}
