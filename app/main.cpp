// QBFileViewer: the Quillbox File Viewer. One optional argument names a log file to open.

#include "window/QBViewerApp.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

namespace {
// The program's own view class, registered as "Default" after the plug-ins'.
const TQBViewClassOf<TQBMessageView> MessageViewClass;
}  // namespace

int main(int argc, char** argv) { return QBRunViewer(argc, argv, MessageViewClass); }
