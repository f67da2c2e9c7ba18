#pragma once
// Property lines of the properties family: "name=value" lines whose names are indented by pairs of
// blanks to nest them. The indentation is turned into dotted paths ("Font.Name=Tahoma"); a path is
// cut back into names at every "." outside a quoted name.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// A line cut at its first "=". A line without "=" is all name and has an empty value.
struct TQBNameValue {
  QStringView Name;
  QStringView Value;
};
TQBNameValue SplitNameValue(QStringView line);

// Follows the indentation of property lines one line at a time and keeps the names of the current
// line's ancestors. A line that is deeper than the previous one gets the previous line as its one new
// ancestor however deep it goes; a shallower line drops one ancestor per level it comes back.
class TQBIndentationWalker {
public:
  // Reads the next line; the result's name has its leading pairs of blanks removed (a single blank
  // left over stays part of the name) and views into line.
  TQBNameValue Next(QStringView line);
  // The ancestors of the line last read, outermost first.
  const std::vector<QString>& Ancestors() const { return FAncestors; }

private:
  std::vector<QString> FAncestors;
  QString FPrevName;
  qsizetype FPrevLevel = 0;
};

// Each line as path, "=", value: the ancestors' names (quoted where needed, see QuotedPathName) and
// the line's own name joined by ".".
QStringList IndentationToPaths(const QStringList& lines);

// The names of a path, cut at every "." that is not inside a name beginning with a double quote.
// "" gives one empty name; a trailing "." gives an empty last name.
QStringList SplitPropertyPath(QStringView path);
