#include "dialogs/QBMsgViewDialogs.h"

#include "dialogs/QBEditMessageForm.h"
#include "dialogs/QBFindForm.h"
#include "dialogs/QBJumpToForm.h"
#include "dialogs/QBMessageDialogs.h"
#include "dialogs/QBPrintProgress.h"
#include "dialogs/QBSearchProgress.h"

bool TQBMsgViewDialogs::AskJumpToRow(QWidget* view, int& row) { return TFrmJumpToMsg::Execute(view, row); }

bool TQBMsgViewDialogs::AskEditedText(QWidget* view, const QFont& font, const QRect& below, int bottomLimit,
                                      QString& text) {
  return TFrmEditMessage::Execute(view, font, below, bottomLimit, text);
}

void TQBMsgViewDialogs::ShowInfo(QWidget* view, const QString& text) { ShowInfoMessage(text, view); }

bool TQBMsgViewDialogs::AskFind(QWidget* view, TQBFindRequest& request) {
  return TFrmFind::Execute(view, FSettings, request);
}

std::unique_ptr<IQBPrintProgress> TQBMsgViewDialogs::BeginPrintProgress(QWidget* view, const QString& title) {
  return std::make_unique<TQBPrintProgressDialog>(view, title);
}

std::unique_ptr<IQBSearchProgress> TQBMsgViewDialogs::BeginSearchProgress(QWidget* view, const QString& text) {
  return std::make_unique<TQBSearchProgressDialog>(view, text);
}
