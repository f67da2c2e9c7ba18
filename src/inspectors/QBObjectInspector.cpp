#include "inspectors/QBObjectInspector.h"

#include "inspectors/parsers/QBObjectTitle.h"

#include <quillbox/QuillboxMessageSet.h>

void TQBObjectInspector::Inspect() {
  TQBPropertiesInspector::Inspect();
  SetTitle(ObjectTitleOf(CurrentDetailsUtf8(), MessageSet.GetTypeName()));
}

QString TQBObjectInspector::GetColumnCaption(int index) const {
  return index == 0 ? QStringLiteral("Property") : QStringLiteral("Value");
}
