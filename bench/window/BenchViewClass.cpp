// The view classes of the benchmarks, apart from the window's headers: the view's column
// type and the settings' column flags share a name and cannot meet in one file.

#include "view/widgets/QBMsgView.h"
#include "support/QBTestWidgetView.h"

#include <quillbox/QBCustomViewClass.h>

const TQBCustomViewClass& BenchMessageViewClass() {
  static const TQBViewClassOf<TQBMessageView> viewClass;
  return viewClass;
}

const TQBCustomViewClass& BenchCoreViewClass() {
  static const TQBViewClassOf<TQBTestWidgetView> viewClass;
  return viewClass;
}
