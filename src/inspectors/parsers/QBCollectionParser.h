#pragma once
// The collection inspector's items: each details line "caption|entry;entry;..." is one item whose
// entries are name=value pairs.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

struct TQBCollectionItem {
  QString Caption;
  QStringList Entries;  // "name=value" texts, as split from the line
};

// Splits an entry list at ";" (a list of the shape "a=1; b=2"). Blanks and control characters around
// entries are skipped, and one inside an unquoted entry ends it, so "Caption=Hello World" gives the
// two entries "Caption=Hello" and "World". An entry that begins with a double quote runs to the
// matching quote ("" inside stands for one quote; an unclosed quote runs to the end). A ";" that is
// the very last character adds an empty entry.
QStringList SplitCollectionEntries(QStringView text);

// One item per line holding "|": the caption before the first "|", the entries after it. Lines
// without "|" are ignored.
std::vector<TQBCollectionItem> ParseCollection(const QStringList& lines);

// Each item's caption, then each of its entries with 8 blanks in front.
QStringList CollectionLines(const std::vector<TQBCollectionItem>& items);

// Each item's caption, then per entry: tab, name, tab, value; every line followed by CR LF.
QString CollectionCopyText(const std::vector<TQBCollectionItem>& items);
