#pragma once
// Line breaks of message texts: how the inspectors cut a details text into lines, how the string
// inspector normalises the breaks of a message text, and the CR LF text that copying produces.

#include <QString>
#include <QStringList>
#include <QStringView>

// The lines of a text, cut at every CR LF, lone CR or lone LF. A final line break adds no empty line,
// so an empty text has no lines and "\r\n" has one empty line.
QStringList SplitDetailsLines(QStringView text);

// Every run of CR and LF characters becomes one CR LF; a run at the very end is dropped. Empty lines
// disappear, and a run at the very start stays as one leading line break.
QString NormalizeLineBreaks(QStringView text);

// Every line followed by CR LF: the text that copying a list of lines puts on the clipboard.
QString JoinLinesCrLf(const QStringList& lines);
