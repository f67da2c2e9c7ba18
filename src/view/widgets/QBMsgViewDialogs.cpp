#include "view/widgets/QBMsgViewDialogs.h"

namespace {

IQBMsgViewDialogs* InstalledDialogs = nullptr;

}  // namespace

namespace qbmsgviewdialogs {

void Install(IQBMsgViewDialogs* dialogs) { InstalledDialogs = dialogs; }

IQBMsgViewDialogs* Installed() { return InstalledDialogs; }

}  // namespace qbmsgviewdialogs
