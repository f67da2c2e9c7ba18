#pragma once
// The title of the object inspector: the object's name, when its details have one, and its type.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// "<name>: <typeName>" where name is the value of the first top-level "Name" line (compared ignoring
// case; indented names do not match) with one enclosing pair of single quotes removed; typeName alone
// when there is no such line.
QString ObjectTitle(const QStringList& detailsLines, const QString& typeName);

// The same for a details text given as UTF-8 bytes, found without splitting the whole text into lines.
QString ObjectTitleOf(QByteArrayView detailsUtf8, const QString& typeName);
