#pragma once
// The program's dialogs for the message views: the jump-to dialog, the edit message dialog, the find
// dialog with its history in the settings file, the information box and the progress of printing and
// searching.

#include "view/widgets/QBMsgViewDialogs.h"

class TQBIniFile;

class TQBMsgViewDialogs final : public IQBMsgViewDialogs {
public:
  // The settings file that keeps the find history; without one the find dialog keeps none.
  void SetSettingsFile(TQBIniFile* settings) { FSettings = settings; }

  bool AskJumpToRow(QWidget* view, int& row) override;
  bool AskEditedText(QWidget* view, const QFont& font, const QRect& below, int bottomLimit, QString& text) override;
  void ShowInfo(QWidget* view, const QString& text) override;
  bool AskFind(QWidget* view, TQBFindRequest& request) override;
  std::unique_ptr<IQBPrintProgress> BeginPrintProgress(QWidget* view, const QString& title) override;
  std::unique_ptr<IQBSearchProgress> BeginSearchProgress(QWidget* view, const QString& text) override;

private:
  TQBIniFile* FSettings = nullptr;
};
