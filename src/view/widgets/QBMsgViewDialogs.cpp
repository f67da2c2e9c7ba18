#include "view/widgets/QBMsgViewDialogs.h"

#include "view/QBPrintReport.h"
#include "view/QBViewSearch.h"

namespace {

IQBMsgViewDialogs* InstalledDialogs = nullptr;

}  // namespace

std::unique_ptr<IQBPrintProgress> IQBMsgViewDialogs::BeginPrintProgress(QWidget*, const QString&) { return nullptr; }

std::unique_ptr<IQBSearchProgress> IQBMsgViewDialogs::BeginSearchProgress(QWidget*, const QString&) {
  return nullptr;
}

namespace qbmsgviewdialogs {

void Install(IQBMsgViewDialogs* dialogs) { InstalledDialogs = dialogs; }

IQBMsgViewDialogs* Installed() { return InstalledDialogs; }

}  // namespace qbmsgviewdialogs
