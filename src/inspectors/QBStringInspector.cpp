#include "inspectors/QBStringInspector.h"

#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBTextContent.h"
#include "inspectors/QBTextControl.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBTextInspectorText.h"

#include <QClipboard>
#include <QGuiApplication>

TQBStringInspector::TQBStringInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBStringInspector::CreateContent() { AddContent(NewTextContent(this, FText)); }

void TQBStringInspector::CreateToolButtons(QWidget* parent) {
  FWordWrap = AddToolButton(parent, QStringLiteral("Word Wrap"), 0, true);
  FWordWrap->setChecked(true);
  AddButtonGap(parent, 1);
  FLineNumbers = AddToolButton(parent, QStringLiteral("Line Numbers"), 2, true);
  AddButtonGap(parent, 1);
  FJumpToEnd = AddToolButton(parent, QStringLiteral("Jump to End on Inspect"), 1, true);
  FJumpToEnd->hide();
  AddButtonGroove(parent);
  FCopyValue = AddToolButton(parent, QStringLiteral("Copy Value to Clipboard"), 8, false);
  connect(FWordWrap, &QToolButton::toggled, this, [this](bool on) { FText->SetWordWrap(on); });
  connect(FLineNumbers, &QToolButton::toggled, this, [this](bool on) { FText->SetLineNumbers(on); });
  connect(FCopyValue, &QToolButton::clicked, this, &TQBStringInspector::CopyValue);
}

void TQBStringInspector::Clear() {
  FText->SetLines({});
  FText->GoToLine(0);
  SetShownNotice({});
}

void TQBStringInspector::Inspect() {
  Clear();
  // The message text with its line breaks normalised: every run of breaks is one.
  const TQBShownCounts shown = UseDetails() ? FText->SetText(CurrentDetailsUtf8(), TQBLineBreaks::AsWritten)
                                            : FText->SetText(CurrentMsgTextUtf8(), TQBLineBreaks::Collapsed);
  SetShownNotice(ShownNoticeText(shown));
}

void TQBStringInspector::GetLines(QStringList& lines) { lines = FText->Lines(); }

void TQBStringInspector::SetContentFont(const QFont& font) { FText->setFont(font); }

void TQBStringInspector::SetContentPopupMenu(QMenu* menu) { AttachPopupMenu(FText, menu); }

void TQBStringInspector::CopyContents() { CopyTextContents(*FText); }

void TQBStringInspector::CopyValue() { QGuiApplication::clipboard()->setText(CopiedValueText(FText->WholeText())); }

void TQBStringInspector::ImagesChanged() {
  for (TQBToolButton* button : {FWordWrap, FLineNumbers, FJumpToEnd, FCopyValue}) button->SetImages(Images());
}

bool TQBStringInspector::WordWrap() const { return FWordWrap->isChecked(); }
void TQBStringInspector::SetWordWrap(bool value) {
  FWordWrap->setChecked(value);
  FText->SetWordWrap(value);
}
bool TQBStringInspector::LineNumbers() const { return FLineNumbers->isChecked(); }
void TQBStringInspector::SetLineNumbers(bool value) {
  FLineNumbers->setChecked(value);
  FText->SetLineNumbers(value);
}
bool TQBStringInspector::JumpToEnd() const { return FJumpToEnd->isChecked(); }
void TQBStringInspector::SetJumpToEnd(bool value) { FJumpToEnd->setChecked(value); }

void TQBTextInspector::CreateContent() {
  TQBStringInspector::CreateContent();
  SetWordWrap(false);
  JumpToEndButton()->show();
  CopyValueButton()->hide();
}

void TQBTextInspector::Inspect() {
  Clear();
  SetShownNotice(ShownNoticeText(TextControl()->SetText(CurrentDetailsUtf8(), TQBLineBreaks::AsWritten)));
  if (JumpToEnd()) TextControl()->GoToLine(TextControl()->blockCount());
}

void TQBMonospaceTextInspector::CreateContent() {
  TQBStringInspector::CreateContent();
  SetWordWrap(false);
  WordWrapButton()->hide();
  CopyValueButton()->hide();
}
