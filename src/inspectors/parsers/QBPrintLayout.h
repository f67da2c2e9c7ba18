#pragma once
// What the inspectors print, as the lines of text they produce (the pen position and paging stay with
// the printing code): aligned table columns, properties aligned at "=", numbered string-list lines,
// and where a picture goes on the page.

#include <QRect>
#include <QSize>
#include <QStringList>

#include <limits>

// Every layout below takes maxChars, the characters a printed line can show (the page's width in the
// fixed-pitch printer font): a line is cut there, since nothing past the page edge is seen, and no
// field is padded beyond it, so a single very long name cannot make every line that long. Each
// layout walks the lines once to measure and once to build, keeping nothing per field.
inline constexpr qsizetype NoPrintWidth = std::numeric_limits<qsizetype>::max();

// Each table line with every field but its last left-aligned in its column's width (the longest text
// of that field over all lines) and followed by two blanks; the last field unchanged. In a fixed-pitch
// font this gives aligned columns.
QStringList TablePrintLines(const QStringList& lines, qsizetype maxChars = NoPrintWidth);

// Each "name=value" line as the name left-aligned in the width of the longest name, two blanks and
// the value; a line without "=" unchanged.
QStringList PropertyPrintLines(const QStringList& lines, qsizetype maxChars = NoPrintWidth);

// Line i (from 0) as its number i + 1 right-aligned, ":  " and the line. The numbers are right-aligned
// in 5 characters, or in the width of the largest number when the list has 100000 lines or more, so no
// number is ever cut.
QStringList NumberedPrintLines(const QStringList& lines, qsizetype maxChars = NoPrintWidth);

// The picture enlarged or shrunk, proportions kept, to the largest size that fits the page (sizes
// rounded half to even) and centred on the page. Null when the picture is empty.
QRect ScaledPictureRect(QSize picture, QSize page);
