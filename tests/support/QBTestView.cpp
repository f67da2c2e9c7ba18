#include "support/QBTestView.h"

#include "view/QBLogSave.h"
#include "view/QBXmlExport.h"

#include <stdexcept>

TQBTestViewCore::TQBTestViewCore()
    : FModel(std::make_unique<TQBViewModel>(MessageSet, FList, FHooks)) {
  FList.SetTarget(&FModel->Rows());
  FNavigator = std::make_unique<TQBViewNavigator>(*FModel);
}

void TQBTestViewCore::EditMessage(int row) {
  EditedRows << row;
  if (!EditAnswer || row < 0 || row >= GetCount()) return;
  MessageSet.GotoRec(GetRowRecNo(row));
  MessageSet.Edit();
  MessageSet.SetMsgText(*EditAnswer);
  MessageSet.Post();
}

void TQBTestViewCore::ToggleBookmark(int n) {
  const int row = FList.CurrentRow();
  if (row >= 0) FModel->Bookmarks().Toggle(n, GetRowRecNo(row));
}

void TQBTestViewCore::SaveToFile(const QString& fileName) {
  RaiseSaveFailure(SaveViewToFile(FModel->Rows(), fileName), fileName);
}

void TQBTestViewCore::ExportXML(const QString& fileName) {
  QString error;
  if (!ExportViewXml(FModel->Rows(), fileName, nullptr, &error)) throw std::runtime_error(error.toStdString());
}
