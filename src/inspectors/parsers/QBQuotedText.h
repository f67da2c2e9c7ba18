#pragma once
// Double-quoted names in property paths and collection entries: a quoted name runs to its matching
// closing quote, with a doubled quote inside standing for one quote.

#include <QString>
#include <QStringView>

// The name as written in a path: in double quotes (inner quotes doubled) when it holds a blank, a
// control character, a double quote or a "." - anything that would otherwise split or confuse it.
QString QuotedPathName(QStringView name);

// Reads the quoted text that starts at text[pos] (a double quote) and moves pos past its closing
// quote. An unclosed quote runs to the end of the text.
QString ReadQuoted(QStringView text, qsizetype& pos);
