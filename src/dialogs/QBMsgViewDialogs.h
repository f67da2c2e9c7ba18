#pragma once
// The program's dialogs for the message views: the jump-to dialog, the edit message dialog, the
// information box and the progress of printing.

#include "view/widgets/QBMsgViewDialogs.h"

class TQBMsgViewDialogs final : public IQBMsgViewDialogs {
public:
  bool AskJumpToRow(QWidget* view, int& row) override;
  bool AskEditedText(QWidget* view, const QFont& font, const QRect& below, int bottomLimit, QString& text) override;
  void ShowInfo(QWidget* view, const QString& text) override;
  std::unique_ptr<IQBPrintProgress> BeginPrintProgress(QWidget* view, const QString& title) override;
};
