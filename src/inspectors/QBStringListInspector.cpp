#include "inspectors/QBStringListInspector.h"

#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBTextContent.h"
#include "inspectors/QBTextControl.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBPrintLayout.h"
#include "inspectors/parsers/QBTextInspectorText.h"

TQBStringListInspector::TQBStringListInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBStringListInspector::CreateContent() { AddContent(NewTextContent(this, FText)); }

void TQBStringListInspector::CreateToolButtons(QWidget* parent) {
  FLineNumbers = AddToolButton(parent, QStringLiteral("Line Numbers"), 2, true);
  AddButtonGap(parent, 1);
  FJumpToEnd = AddToolButton(parent, QStringLiteral("Jump to End on Inspect"), 1, true);
  AddButtonGroove(parent);
  connect(FLineNumbers, &QToolButton::toggled, this, [this](bool on) { FText->SetLineNumbers(on); });
}

void TQBStringListInspector::Clear() {
  FText->SetLines({});
  FText->GoToLine(0);
  SetShownNotice({});
}

void TQBStringListInspector::Inspect() {
  Clear();
  const TQBShownCounts shown = FText->SetText(CurrentDetailsUtf8(), TQBLineBreaks::AsWritten);
  if (JumpToEnd()) FText->GoToLine(FText->blockCount());
  // The count of the whole list, also when only its first items are shown.
  SetStatus(ItemCountStatus(shown.TotalLines));
  SetShownNotice(ShownNoticeText(shown));
}

void TQBStringListInspector::GetLines(QStringList& lines) { lines = FText->Lines(); }

void TQBStringListInspector::PrintLines(const QStringList& lines) {
  for (const QString& line : NumberedPrintLines(lines, PrintWidth())) PrintLine(line);
}

void TQBStringListInspector::SetContentFont(const QFont& font) { FText->setFont(font); }
void TQBStringListInspector::SetContentPopupMenu(QMenu* menu) { AttachPopupMenu(FText, menu); }
void TQBStringListInspector::CopyContents() { CopyTextContents(*FText); }

void TQBStringListInspector::ImagesChanged() {
  for (TQBToolButton* button : {FLineNumbers, FJumpToEnd}) button->SetImages(Images());
}

bool TQBStringListInspector::JumpToEnd() const { return FJumpToEnd->isChecked(); }
void TQBStringListInspector::SetJumpToEnd(bool value) { FJumpToEnd->setChecked(value); }
bool TQBStringListInspector::LineNumbers() const { return FLineNumbers->isChecked(); }
void TQBStringListInspector::SetLineNumbers(bool value) {
  FLineNumbers->setChecked(value);
  FText->SetLineNumbers(value);
}
