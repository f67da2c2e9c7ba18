#include "view/widgets/QBRowText.h"

#include "view/QBTimeText.h"

#include "model/QBDisplayText.h"

#include <QTextLayout>

#include <algorithm>

namespace qbrowtext {
namespace {

const QString kEllipsis = QStringLiteral("...");

// The longest prefix of text whose width fits room. One layout of the text gives every character
// position, so the prefix is found without measuring prefix after prefix; the final check keeps the
// result exact where kerning makes a prefix wider than its position in the whole text.
qsizetype FittingPrefix(const QString& text, const QFontMetrics& fm, const QFont& font, int room) {
  if (room <= 0) return 0;
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(1e9);
  layout.endLayout();
  qsizetype n = std::min<qsizetype>(text.size(), line.xToCursor(room, QTextLine::CursorBetweenCharacters) + 1);
  while (n > 0 && fm.horizontalAdvance(text.left(n)) > room) --n;
  return n;
}

}  // namespace

QString CutForDisplay(const QString& text) {
  QString shown = text;
  if (const qsizetype cr = shown.indexOf(QLatin1Char('\r')); cr >= 0) shown = shown.left(cr) + kEllipsis;
  shown.truncate(MaxShownChars);
  return VisibleBidiControls(shown);
}

QString HintText(const QString& text) { return VisibleBidiControls(text.left(MaxHintChars)); }

QString Shorten(const QString& text, const QFont& font, const QFontMetrics& fm, int width) {
  QString shown = CutForDisplay(text);
  const int room = width - fm.horizontalAdvance(kEllipsis);
  if (fm.horizontalAdvance(shown) <= room) return shown;
  shown.truncate(FittingPrefix(shown, fm, font, room));
  return shown + kEllipsis;
}

QString Collapsed(const QString& shown, int methodSize) {
  return QStringLiteral("%1  [%2]").arg(shown).arg(methodSize);
}

bool IsVisible(TDetail detail, TQBColumnSet columns) {
  switch (detail) {
  case TDetail::Log: return HasColumn(columns, TQBColumn::Log);
  case TDetail::Category: return HasColumn(columns, TQBColumn::Category);
  case TDetail::AppName: return HasColumn(columns, TQBColumn::AppName);
  case TDetail::Computer: return HasColumn(columns, TQBColumn::ComputerName);
  case TDetail::PID: return HasColumn(columns, TQBColumn::ProcessID);
  case TDetail::Thread: return HasColumn(columns, TQBColumn::ThreadName);
  case TDetail::Date: return HasColumn(columns, TQBColumn::Date);
  case TDetail::Time: return TimeColumnOf(columns) != 0;
  }
  return false;
}

bool IsLeftAligned(TDetail detail) {
  return detail == TDetail::Log || detail == TDetail::Category || detail == TDetail::AppName ||
         detail == TDetail::Computer;
}

QString DetailText(TDetail detail, TQBColumnSet columns, const TQBViewRows& rows, int item) {
  const int recNo = rows.ItemRecNo(item);
  const TQBMessageRef m = rows.MessageSet().At(recNo);
  switch (detail) {
  case TDetail::Log: return VisibleBidiControls(rows.Host().SourceLogName(recNo));
  case TDetail::Category: return VisibleBidiControls(m.Category());
  case TDetail::AppName: return VisibleBidiControls(m.AppName());
  case TDetail::Computer: return VisibleBidiControls(m.ComputerName());
  case TDetail::PID: return QString::asprintf("%6lld", static_cast<long long>(m.ProcessID()));
  case TDetail::Thread: return VisibleBidiControls(m.ThreadName());
  case TDetail::Date: return qbtimetext::ShortDate(m.TimeStamp().Date);
  case TDetail::Time:
    switch (TQBColumn(TimeColumnOf(columns))) {
    case TQBColumn::TimeDiff: return qbtimetext::TimeDiffOfItem(rows, item);
    case TQBColumn::TimeOffset: return qbtimetext::TimeOffsetOfItem(rows, item);
    default: return qbtimetext::TimeOfDay(m.TimeStamp().Time);
    }
  }
  return {};
}

QString HeaderCaption(TDetail detail, TQBColumnSet columns) {
  switch (detail) {
  case TDetail::Log: return QStringLiteral("Log");
  case TDetail::Category: return QStringLiteral("Category");
  case TDetail::AppName: return QStringLiteral("AppName");
  case TDetail::Computer: return QStringLiteral("Computer");
  case TDetail::PID: return QStringLiteral("PID");
  case TDetail::Thread: return QStringLiteral("Thread");
  case TDetail::Date: return QStringLiteral("Date");
  case TDetail::Time:
    switch (TQBColumn(TimeColumnOf(columns))) {
    case TQBColumn::TimeDiff: return QStringLiteral("Time Diff");
    case TQBColumn::TimeOffset: return QStringLiteral("Time Offset");
    default: return QStringLiteral("Time Stamp");
    }
  }
  return {};
}

}  // namespace qbrowtext
