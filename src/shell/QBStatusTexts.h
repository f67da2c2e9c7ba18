#pragma once
// The texts of the status panes, as pure functions of the numbers they show.

#include <QLocale>
#include <QString>

#include <cstdint>

namespace qbstatus {

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
