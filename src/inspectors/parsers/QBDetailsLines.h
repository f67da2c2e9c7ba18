#pragma once
// Line breaks of details texts: how the inspectors cut a details text into lines and the CR LF text
// that copying produces. Normalising a message text's breaks is model/QBLineBreaks.h.

#include <QString>
#include <QStringList>
#include <QStringView>

// The lines of a text, cut at every CR LF, lone CR or lone LF. A final line break adds no empty line,
// so an empty text has no lines and "\r\n" has one empty line.
QStringList SplitDetailsLines(QStringView text);

// Every line followed by CR LF: the text that copying a list of lines puts on the clipboard.
QString JoinLinesCrLf(const QStringList& lines);
