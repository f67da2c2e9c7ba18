#pragma once
// Appending JSON string literals for qbltool's JSON Lines output.

#include <QByteArray>
#include <QByteArrayView>

// Appends text (valid UTF-8) as a quoted JSON string, escaping quotes, backslashes and control characters.
void AppendJsonString(QByteArray& out, QByteArrayView utf8);
