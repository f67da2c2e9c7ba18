#pragma once
// Exports the messages of a view as XML. Every text is escaped, so any name or text gives a
// well-formed file whose values a reader gets back unchanged (characters XML cannot carry become
// U+FFFD). Pure ASCII output is written as is; anything else as UTF-8 with a byte-order mark.

#include "view/QBViewHooks.h"
#include "view/QBViewRows.h"

#include <QByteArray>
#include <QString>

namespace qbxml {

enum class TQBXmlContext { Content, Attribute };

// Appends the escaped form of UTF-8 text to out: & < > " ' as entities, characters XML 1.0 forbids as
// U+FFFD, a carriage return always and line feed and tab inside attributes as character references.
void AppendEscaped(QByteArray& out, QByteArrayView utf8, TQBXmlContext context);
// A colour as its name from the colour-name table, else "$" and lower-case hexadecimal.
QByteArray ColorText(int32_t color);

}  // namespace qbxml

// Writes the XML file; false with *error set when the file cannot be written.
bool ExportViewXml(const TQBViewRows& rows, const QString& path, IQBProgressSink* progress, QString* error);
