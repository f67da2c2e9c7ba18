#pragma once
// Texts the text inspectors derive from their contents: the string list's item count and the value
// that "Copy Value to Clipboard" copies.

#include <QString>

// "1 Item" for exactly one line, otherwise "<count> Items" (also "0 Items").
QString ItemCountStatus(qsizetype lineCount);

// What "Copy Value to Clipboard" copies from the control's whole text: everything after the first
// " = ", or the whole text when there is none. A "name = value" message text copies its value, and the
// final line break of the whole text stays.
QString CopiedValueText(const QString& wholeText);
