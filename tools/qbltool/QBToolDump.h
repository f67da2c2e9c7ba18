#pragma once
// The line qbltool dump prints for one stored message: a JSON object with every field, ending in a
// newline. Whatever compares two stores message by message can compare these lines.

#include <quillbox/QuillboxMessageSet.h>

#include <QByteArray>

namespace qbltool {

void AppendDumpLine(QByteArray& out, int recNo, const TQBMessageRef& m);

}  // namespace qbltool
