#pragma once
// The texts of the status panes, as pure functions of the numbers they show.

#include <QLocale>
#include <QString>

#include <cstdint>

class TQuillboxMessageSet;
struct TQBCommandInputs;
struct TQBViewBinding;

namespace qbstatus {

// The texts of the four panes UpdateCommands renews.
struct TQBPaneTexts {
  QString MessageNumber, MessageCount, SelectionCount;
  QString TimeDiff;  // empty when disabled
  bool TimeDiffEnabled = false;
};

// The panes for the current view: the focused message's number, the row and record counts, the
// selected count from in, and the time between the first row and the focused one (one selected) or
// the first and last selected message (more).
TQBPaneTexts PaneTexts(const TQBViewBinding& view, const TQBCommandInputs& in, const TQuillboxMessageSet& set,
                       const QLocale& locale = QLocale());

// "#1,234" for the focused record number; "#0" without a focused row.
QString MessageNumberText(int recNo, const QLocale& locale = QLocale());
// "12 out of 1,000 Messages".
QString MessageCountText(int rows, int records, const QLocale& locale = QLocale());
// "3 Selected".
QString SelectionCountText(int selected, const QLocale& locale = QLocale());
// The time from the first to the second stamp as "h:mm:ss.zzz", the hours modulo 24;
// "xx:xx:xx.xxx" when the second stamp is earlier.
QString TimeDiffText(int32_t firstDate, int32_t firstTime, int32_t secondDate, int32_t secondTime);
// "Project:" followed by the project file's name without folder and extension.
QString ProjectText(const QString& projectFile);

}  // namespace qbstatus
