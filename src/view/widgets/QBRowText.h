#pragma once
// The texts a message view row shows, as the painter, the hint window and the tests compute them.

#include "view/QBColumns.h"
#include "view/QBViewRows.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace qbrowtext {

inline constexpr int MaxShownChars = 255;
// The hint window shows at most two or three lines; no wider screen needs more characters than this.
inline constexpr int MaxHintChars = 4096;

// The message text as a column of width pixels shows it: cut at the first carriage return (with an
// ellipsis), at most 255 characters, then shortened from the end with an ellipsis until it fits.
// The text before any fitting: cut at the first carriage return (with an ellipsis), at most 255
// characters, with bidirectional controls shown as marks (model/QBDisplayText.h).
QString CutForDisplay(const QString& text);
// The text of the hint window: the start of the message text (MaxHintChars), controls shown as marks.
QString HintText(const QString& text);
// font and fm: the font the text is drawn in and its metrics.
QString Shorten(const QString& text, const QFont& font, const QFontMetrics& fm, int width);
// A collapsed method entry: "%s  [%d]" with the shown text and the number of messages inside.
QString Collapsed(const QString& shown, int methodSize);

// The detail column kinds in display order; the time column is one of three texts. Log (the file a
// message of merged logs came from) comes first, next to the message it names the source of.
enum class TDetail { Log, Category, AppName, Computer, PID, Thread, Date, Time };
inline constexpr int DetailCount = 8;

// Whether a detail column shows for a column set.
bool IsVisible(TDetail detail, TQBColumnSet columns);
// Left-aligned columns start 4 pixels in; the others end 2 pixels before the column's right edge.
bool IsLeftAligned(TDetail detail);
// The text of a detail column for an item of the view, bidirectional controls shown as marks.
QString DetailText(TDetail detail, TQBColumnSet columns, const TQBViewRows& rows, int item);
// The header caption of a column ("Message" for the message column is HeaderCaptionMessage).
QString HeaderCaption(TDetail detail, TQBColumnSet columns);
inline const char* const HeaderCaptionMessage = "Message";

}  // namespace qbrowtext
